set(ORVEX_STAGING_SOURCES
    staging/stagingschema.cpp
    staging/hostloader.cpp
    staging/interruptionspans.cpp
    staging/workspans.cpp)
