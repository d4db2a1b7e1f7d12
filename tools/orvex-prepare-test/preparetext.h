#ifndef ORVEX_PREPARE_TEST_PREPARETEXT_H
#define ORVEX_PREPARE_TEST_PREPARETEXT_H

#include <QCoreApplication>

// The context of orvex-prepare-test's translatable texts: OrvexPrepareTest::tr("...").
class OrvexPrepareTest
{
    Q_DECLARE_TR_FUNCTIONS(OrvexPrepareTest)
};

#endif // ORVEX_PREPARE_TEST_PREPARETEXT_H
