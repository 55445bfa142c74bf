// Feeds arbitrary bytes to the check of compiled translations, and whatever
// passes it to the toolkit's loader and look-ups: an accepted file that
// makes them read out of bounds is a finding.

#include "app/translationfile.h"
#include "fuzzsupport.h"

#include <QTranslator>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qInstallMessageHandler(FuzzSupport::quiet);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    if (!TranslationFile::isSafe(bytes))
        return 0;
    // Loaded from bytes that end at a page nobody may read.
    const FuzzSupport::GuardedBytes guarded(bytes);
    QTranslator translator;
    if (!guarded.isValid() || !translator.load(guarded.data(), guarded.size()))
        return 0;
    for (const char *context : {"MainWindow", "LoopWidget", "PanelWidget", "", "x"}) {
        for (const char *text : {"Open", "Error", "Save changes to %1?", "", "Main Panel"}) {
            translator.translate(context, text);
            translator.translate(context, text, "comment");
            translator.translate(context, text, nullptr, 2);
        }
    }
    return 0;
}
