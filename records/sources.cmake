set(ORVEX_RECORDS_SOURCES
    records/numbertext.h
    records/numbertext.cpp
    records/exportrow.cpp
    records/interruptionrecords.cpp
    records/workrecords.cpp
    records/bonusitems.cpp)
