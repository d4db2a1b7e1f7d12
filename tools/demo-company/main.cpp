// demo-company: prints, as SQL for the host database, a demo company with one
// closed months of attendance (February and March 2024) and stored export settings.
//
//   TZ=Europe/Bratislava demo-company > demo.sql
//   scripts/hostdb.sh sql DIR NAME < demo.sql

#include "company.h"
#include "sqlwriter.h"

#include <QCoreApplication>
#include <QTextCodec>
#include <QTextStream>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (QCoreApplication::arguments().size() > 1) {
        std::fputs("usage: demo-company > company.sql   (run in the host's time zone, "
                   "e.g. TZ=Europe/Bratislava)\n", stderr);
        return 2;
    }
    if (!DemoCompany::localZoneIsCentralEuropean()) {
        std::fputs("demo-company: the local time zone must be Central European time (for example "
                   "TZ=Europe/Bratislava): the company's days are stamped at local midnight\n", stderr);
        return 2;
    }
    QTextStream out(stdout);
    out.setCodec(QTextCodec::codecForName("UTF-8"));
    SqlWriter sql(out);
    DemoCompany().write(sql);
    return 0;
}
