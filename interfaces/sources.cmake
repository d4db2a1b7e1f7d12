set(ORVEX_INTERFACES_SOURCES
    interfaces/pamexportinterface.h
    interfaces/verinfointerface.h
    interfaces/pamoptionswidget.h)
