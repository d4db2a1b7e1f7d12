set(ORVEX_GENERATORS_SOURCES
    generators/exportrowsink.h
    generators/exportrowsink.cpp
    generators/recordgenerators.h
    generators/personrecords.cpp
    generators/interruptionrecords.cpp
    generators/workrecords.cpp
    generators/bonusitems.cpp)
