set(ORVEX_PLUGIN_SOURCES
    plugin/orvexuniversal.h
    plugin/orvexuniversal.cpp
    plugin/buildstamp.h
    plugin/buildstamp.cpp)
