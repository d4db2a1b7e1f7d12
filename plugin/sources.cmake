set(ORVEX_PLUGIN_SOURCES
    plugin/orvexuniversal.h
    plugin/orvexuniversal.cpp
    plugin/exportdialogs.h
    plugin/exportdialogs.cpp
    plugin/buildstamp.h
    plugin/buildstamp.cpp)
