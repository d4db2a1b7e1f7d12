# Precompiled Qt headers. Parsing Qt's headers is a large part of compiling
# each source; with ORVEX_PCH every target takes them precompiled instead:
#
#   the tests (tst_*)  QtTest and the headers they share, made once with the
#                      test support library (orvextestsupport)
#   every other target the common QtCore headers, made once with orvex_records
#
# A source still includes what it uses: .ci/run compiles every source once more
# from its own text, without the precompiled header (scripts/check-sources.sh).
# GCC checks that a precompiled header fits the flags of the source at hand and
# otherwise warns (-Winvalid-pch) and reads the headers as text.
#
# Needs CMake 3.16 (target_precompile_headers). On by default with GCC outside Windows,
# where the test suite is built twice; the release builds for the Windows host
# (MinGW, MSVC) and other compilers can turn it on with -DORVEX_PCH=ON.
set(orvex_pch_default OFF)
if(NOT CMAKE_VERSION VERSION_LESS 3.16 AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND NOT WIN32)
    set(orvex_pch_default ON)
endif()
option(ORVEX_PCH "Precompile the Qt headers (CMake 3.16 and later)" ${orvex_pch_default})
if(NOT ORVEX_PCH)
    return()
endif()
if(CMAKE_VERSION VERSION_LESS 3.16)
    message(WARNING "ORVEX_PCH needs CMake 3.16 or later: building without precompiled headers")
    return()
endif()

set(ORVEX_PCH_CORE_HEADERS
    <QtCore/QString> <QtCore/QStringList> <QtCore/QVariant> <QtCore/QHash> <QtCore/QMap>
    <QtCore/QSet> <QtCore/QVector> <QtCore/QFile> <QtCore/QFileInfo> <QtCore/QDir>
    <QtCore/QDate> <QtCore/QDateTime> <QtCore/QJsonObject> <QtCore/QJsonArray>
    <QtCore/QJsonDocument> <QtCore/QDebug> <QtCore/QCoreApplication> <QtCore/QTextStream>
    <QtCore/QRegularExpression>)
set(ORVEX_PCH_TEST_HEADERS
    ${ORVEX_PCH_CORE_HEADERS} <QtTest/QtTest> <QtCore/QTemporaryDir> <QtCore/QProcess>
    <QtSql/QSqlDatabase> <QtSql/QSqlQuery> <QtSql/QSqlError>)

# The targets of a folder and of the folders below it.
function(orvex_targets_below dir out)
    get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
    get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
    foreach(subdir ${subdirs})
        orvex_targets_below(${subdir} below)
        list(APPEND targets ${below})
    endforeach()
    set(${out} ${targets} PARENT_SCOPE)
endfunction()

target_precompile_headers(orvex_records PRIVATE ${ORVEX_PCH_CORE_HEADERS})
if(TARGET orvextestsupport)
    target_precompile_headers(orvextestsupport PRIVATE ${ORVEX_PCH_TEST_HEADERS})
endif()
orvex_targets_below(${PROJECT_SOURCE_DIR} orvex_all_targets)
foreach(target ${orvex_all_targets})
    get_target_property(type ${target} TYPE)
    if(NOT type MATCHES "^(EXECUTABLE|STATIC_LIBRARY|MODULE_LIBRARY|SHARED_LIBRARY|OBJECT_LIBRARY)$"
       OR target STREQUAL "orvex_records" OR target STREQUAL "orvextestsupport")
        continue()
    endif()
    if(target MATCHES "^tst_")
        target_precompile_headers(${target} REUSE_FROM orvextestsupport)
    else()
        target_precompile_headers(${target} REUSE_FROM orvex_records)
    endif()
endforeach()
