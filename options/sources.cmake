set(ORVEX_OPTIONS_SOURCES
    options/bonusitemlist.h
    options/bonusitemlist.cpp
    options/optionsrecord.cpp
    options/orvexoptwidget.h
    options/orvexoptwidget.cpp)
