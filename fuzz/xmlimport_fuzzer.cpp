// Feeds arbitrary bytes to the XML import: the version, the panels, and the
// device mapping of every loop read.

#include "fuzzsupport.h"
#include "setup/xmlimport.h"

#include <QBuffer>

#include <cstddef>
#include <cstdint>

namespace
{
QVector<Device> devices;
} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qInstallMessageHandler(FuzzSupport::quiet);
    devices = FuzzSupport::demoData().devices;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size));
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        QString version;
        if (XmlImport::readVersion(buffer, version) && version.size() > XmlImport::MaxTextLength)
            FuzzSupport::fail("a version beyond the text bound was accepted");
    }
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QVector<XmlImport::XmlPanel> panels;
    if (!XmlImport::readPanels(buffer, panels))
        return 0;
    if (panels.isEmpty() || panels.size() > XmlImport::MaxPanels)
        FuzzSupport::fail("panel count outside its bounds");
    for (const XmlImport::XmlPanel &panel : qAsConst(panels)) {
        if (panel.name.size() > XmlImport::MaxTextLength || panel.loops.size() > XmlImport::MaxLoopsPerPanel)
            FuzzSupport::fail("panel beyond its bounds");
        XmlImport::panelEntry(panel);
        for (const QString &number : XmlImport::orderedLoopNumbers(panel)) {
            const QVector<XmlImport::XmlDevice> loop = panel.loops.value(number);
            if (loop.size() > XmlImport::MaxDevicesPerLoop)
                FuzzSupport::fail("loop beyond its bounds");
            XmlImport::loopDeviceMap(loop, devices);
        }
    }
    return 0;
}
