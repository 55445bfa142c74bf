// kalvix-packbuilder: signs a catalogue data file and writes the data pack.
//
//   kalvix-packbuilder --key private.pem [--images DIR] --output demo.tarvex catalogue.csv

#include "tools/packbuilder/packtool.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kalvix-packbuilder"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Signs a catalogue data file (RSA, SHA-256) and writes the password-protected data "
                       "pack holding the data file, its signature and the product images."));
    parser.addHelpOption();
    const QCommandLineOption keyOption({QStringLiteral("k"), QStringLiteral("key")},
                                       QStringLiteral("RSA private key (PEM) that signs the data file."),
                                       QStringLiteral("file"));
    const QCommandLineOption imagesOption(
        {QStringLiteral("i"), QStringLiteral("images")},
        QStringLiteral("Folder of product images (default: \"images\" beside the data file)."),
        QStringLiteral("folder"));
    const QCommandLineOption outputOption({QStringLiteral("o"), QStringLiteral("output")},
                                          QStringLiteral("Data pack to write (.tarvex)."),
                                          QStringLiteral("file"));
    parser.addOptions({keyOption, imagesOption, outputOption});
    parser.addPositionalArgument(QStringLiteral("data-file"), QStringLiteral("Catalogue data file (.csv)."));
    parser.process(app);

    QTextStream err(stderr);
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 1 || !parser.isSet(keyOption) || !parser.isSet(outputOption)) {
        err << "Usage: kalvix-packbuilder --key FILE [--images FOLDER] --output FILE DATA_FILE\n";
        return 2;
    }
    const QString dataFile = positional.first();
    const QString images = parser.isSet(imagesOption)
                               ? parser.value(imagesOption)
                               : QFileInfo(dataFile).absolutePath() + QStringLiteral("/images");

    QString error;
    if (!PackTool::buildPack(dataFile, images, parser.value(keyOption), parser.value(outputOption), &error)) {
        err << "kalvix-packbuilder: " << error << "\n";
        return 1;
    }
    QTextStream(stdout) << "Wrote data pack " << parser.value(outputOption) << "\n";
    return 0;
}
