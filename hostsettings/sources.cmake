set(ORVEX_HOSTSETTINGS_SOURCES
    hostsettings/tenradbsettings.h
    hostsettings/tenradbsettings.cpp)
