set(ORVEX_RUNCONTEXT_SOURCES
    runcontext/runcontext.h
    runcontext/runcontext.cpp
    runcontext/exportparameters.cpp
    runcontext/runfailure.h
    runcontext/specialinterruptions.h
    runcontext/runfailure.cpp)
