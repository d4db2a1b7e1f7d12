set(ORVEX_RECORDS_SOURCES
    records/exportrow.cpp
    records/interruptionrecords.cpp
    records/workrecords.cpp
    records/bonusitems.cpp)
