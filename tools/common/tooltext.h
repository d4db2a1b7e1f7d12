#ifndef ORVEX_TOOLS_TOOLTEXT_H
#define ORVEX_TOOLS_TOOLTEXT_H

#include <QCoreApplication>

// The context of the texts the tools share (tools/common): OrvexTools::tr("...").
class OrvexTools
{
    Q_DECLARE_TR_FUNCTIONS(OrvexTools)
};

#endif // ORVEX_TOOLS_TOOLTEXT_H
