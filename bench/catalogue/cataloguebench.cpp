// Verifies and reads a generated catalogue of 5,000 devices, signed with the
// build's signing key, and prints the median of repeated runs.
//
//   bench_catalogue [runs]

#include "bench/common/benchstats.h"
#include "catalogue/catalogue.h"
#include "tools/packbuilder/packtool.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <vector>

namespace
{

using Bench::median;

constexpr int DeviceCount = 5000;

QByteArray generateCatalogue()
{
    QString text;
    QTextStream out(&text);
    out << "Version;2.0;;;;;;;;;;;\n;;;;;;;;;;;;\n";
    out << "Panel;;;;;;;;;;;;\nName;Idle;Alarm;Max;Battery;Base;Max "
           "loops;Addresses;Min;Max;Overboost;Boxes;Image\n";
    for (int i = 0; i < 20; ++i)
        out << "TXP " << 100 + i << ";0,18;0,26;4,5;26;2;8;250;0,004;0,6;YES;2;txp_" << i << ".png\n";
    out << ";;;;;;;;;;;;\nExpansion box;;;;;;;;;;;;\nheader\n";
    for (int i = 0; i < 10; ++i)
        out << "TXE " << i << ";0,08;0,12;2,5;17;2;4;250;0,004;0,5;NO;TXP 1, TXS;txe_" << i << ".png\n";
    out << ";;;;;;;;;;;;\nBattery;;\nheader\n";
    for (int i = 0; i < 20; ++i)
        out << "TVB 12-" << 7 + i << ";" << 7 + i << ",2;tvb_" << i << ".png\n";
    out << ";;\nExternal power source;;\nheader\n";
    for (int i = 0; i < 10; ++i)
        out << "KSP" << i << ";26;ksp_" << i << ".png\n";
    out << ";;\nExternal battery box;;\nheader\n";
    for (int i = 0; i < 10; ++i)
        out << "EBX-" << i << ";38;ebx_" << i << ".png\n";
    out << ";;\nDevice;;;;;;;;;;\nName;Category;Subcategory;Idle;Alarm;24V;Addresses;Resistance;Sounder;"
           "Hidden;Image\n";
    const char *kinds[][2] = {{"DET", "OPT"}, {"DET", "TERM"}, {"MCP", "-"}, {"MOD", "IN-OUT"}, {"SND", "-"}};
    for (int i = 0; i < DeviceCount; ++i) {
        const auto &kind = kinds[i % 5];
        out << QStringLiteral("DEV-%1 Sirène (loop)").arg(i, 5, 10, QLatin1Char('0')) << ";" << kind[0] << ";"
            << kind[1] << ";0,000" << 1 + i % 9 << ";0,0" << 1 + i % 9 << "5;" << (i % 7 ? "NO" : "YES")
            << ";" << 1 + i % 4 << ";YES;" << (i % 5 == 4 ? "YES" : "NO") << ";no;dev_" << i << ".png\n";
    }
    out << ";;;;;;;;;;\nAuxiliary cards;;;;\nheader\n";
    for (int i = 0; i < 20; ++i)
        out << "CARD-" << i << ";0,06;" << (i % 4 ? "NO" : "YES") << ";TXP, TXS, TXE;card_" << i << ".png\n";
    out << ";;;;\nDistribution factor;\nheader\n1;0,5\nTopology factor;\nheader\n0,5;1\n";
    out.flush();
    return text.toUtf8();
}

} // namespace

int main(int argc, char *argv[])
{
    // Work in a throw-away data location, never the user's.
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.path().toUtf8());
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? qMax(1, QByteArray(argv[1]).toInt()) : 51;
    QTextStream out(stdout);

    QFile keyFile(QStringLiteral(KALVIX_SIGNING_KEY));
    if (!keyFile.open(QIODevice::ReadOnly)) {
        out << "No signing key; configure with the development key or KALVIX_PRIVATE_KEY.\n";
        return 1;
    }
    const QByteArray data = generateCatalogue();
    QString error;
    const QByteArray signature = PackTool::sign(data, keyFile.readAll(), &error);
    const QString folder = Catalogue::dataLocation() + QStringLiteral("/data");
    QDir().mkpath(folder);
    QFile csv(folder + QStringLiteral("/catalogue.csv"));
    QFile sig(folder + QStringLiteral("/catalogue.sig"));
    if (signature.isEmpty() || !csv.open(QIODevice::WriteOnly) || csv.write(data) != data.size() ||
        !sig.open(QIODevice::WriteOnly) || sig.write(signature) != signature.size()) {
        out << "Could not prepare the catalogue: " << error << "\n";
        return 1;
    }
    csv.close();
    sig.close();

    Catalogue catalogue{CatalogueData()};
    std::vector<double> verify, parse, total;
    for (int i = 0; i < runs + 1; ++i) {
        QElapsedTimer timer;
        timer.start();
        const bool verified = catalogue.verifyDataFolder(folder);
        const qint64 afterVerify = timer.nsecsElapsed();
        const bool parsed = catalogue.parseDataFile();
        const qint64 afterParse = timer.nsecsElapsed();
        if (!verified || !parsed || catalogue.devices().size() != DeviceCount) {
            out << "Verification or reading failed\n";
            return 1;
        }
        if (i == 0)
            continue; // warm-up
        verify.push_back(afterVerify / 1e6);
        parse.push_back((afterParse - afterVerify) / 1e6);
        total.push_back(afterParse / 1e6);
    }
    out << QStringLiteral("Catalogue of %1 devices (%2 KiB): verify + parse median %3 ms "
                          "(verify %4 ms, parse %5 ms) over %6 runs\n")
               .arg(DeviceCount)
               .arg(data.size() / 1024)
               .arg(median(total), 0, 'f', 2)
               .arg(median(verify), 0, 'f', 2)
               .arg(median(parse), 0, 'f', 2)
               .arg(runs);
    return 0;
}
