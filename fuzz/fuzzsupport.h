#pragma once

// Shared by the fuzz targets: silence for expected warnings, the demo range.

#include "catalogue/datafile.h"

#include <QFile>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

namespace FuzzSupport
{

inline void quiet(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    // Refusals are expected by the thousand; anything fatal still ends the run.
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", qPrintable(message));
        std::abort();
    }
}

// The demo product range, read straight from its data file.
inline CatalogueData demoData()
{
    CatalogueData data;
    QFile file(QStringLiteral(KALVIX_DEMO_DIR "/catalogue.csv"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text) || !DataFile::read(file, data))
        qFatal("cannot read the demo catalogue");
    return data;
}

// Stops the run with a message libFuzzer reports as a crash.
[[noreturn]] inline void fail(const char *what)
{
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

} // namespace FuzzSupport
