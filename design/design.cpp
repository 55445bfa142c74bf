#include "design/design.h"

#include <algorithm>

namespace BatteryMethods
{

namespace
{
struct Entry {
    BatteryMethod method;
    const char *name;
};
const Entry Entries[] = {
    {BatteryMethod::Maker, "Maker"},
    {BatteryMethod::Bs5839, "BS 5839-1"},
    {BatteryMethod::Nfpa72Edition2019, "NFPA 72 2019"},
    {BatteryMethod::Nfpa72Edition2022, "NFPA 72 2022"},
    {BatteryMethod::En54Part14, "EN 54-14"},
};
} // namespace

QString storedName(BatteryMethod method)
{
    for (const Entry &entry : Entries) {
        if (entry.method == method)
            return QString::fromLatin1(entry.name);
    }
    return QString();
}

bool fromStoredName(const QString &name, BatteryMethod &method)
{
    for (const Entry &entry : Entries) {
        if (name == QLatin1String(entry.name)) {
            method = entry.method;
            return true;
        }
    }
    return false;
}

QList<BatteryMethod> all()
{
    QList<BatteryMethod> methods;
    for (const Entry &entry : Entries)
        methods.append(entry.method);
    return methods;
}

} // namespace BatteryMethods

namespace BoxNames
{

QString next(const QString &model, const QStringList &taken)
{
    QString name = model;
    for (int k = 2; taken.contains(name); ++k)
        name = QStringLiteral("%1 (%2)").arg(model).arg(k);
    return name;
}

QStringList forModels(const QStringList &models)
{
    QStringList names;
    for (const QString &model : models)
        names.append(next(model, names));
    return names;
}

} // namespace BoxNames

bool Design::usesExtensions() const
{
    if (project || main.hasExtensions())
        return true;
    return std::any_of(boxes.cbegin(), boxes.cend(), [](const SystemDesign &box) { return box.hasExtensions(); });
}

void Design::takeOptionalData(const Design &from)
{
    project = from.project;
    const auto keep = [](const SystemDesign &source, SystemDesign &target) {
        if (source.config.model != target.config.model)
            return;
        target.batteryMethod = source.batteryMethod;
        target.schedules = source.schedules;
    };
    keep(from.main, main);
    for (SystemDesign &box : boxes) {
        for (const SystemDesign &old : from.boxes) {
            if (old.name == box.name)
                keep(old, box);
        }
    }
}

const SystemDesign *Design::system(int index) const
{
    if (index < 0)
        return &main;
    return index < boxes.size() ? &boxes.at(index) : nullptr;
}

SystemDesign *Design::system(int index)
{
    if (index < 0)
        return &main;
    return index < boxes.size() ? &boxes[index] : nullptr;
}

QVector<int> Design::boxFileOrder() const
{
    QVector<int> order(boxes.size());
    for (int i = 0; i < order.size(); ++i)
        order[i] = i;
    // The window has always written its boxes in the order of their names.
    std::stable_sort(order.begin(), order.end(),
                     [this](int a, int b) { return boxes.at(a).name < boxes.at(b).name; });
    return order;
}

SetupFile::SetupData Design::toSetupData() const
{
    SetupFile::SetupData data;
    data.panel = main.config.toTexts();
    data.loops = main.loops;
    for (int i : boxFileOrder()) {
        SetupFile::ExpansionBoxConfig box;
        box.panel = boxes.at(i).config.toTexts();
        box.loops = boxes.at(i).loops;
        data.boxes.append(box);
    }
    return data;
}

Design Design::fromSetupData(const SetupFile::SetupData &data)
{
    Design design;
    PanelConfig::fromTexts(data.panel, false, design.main.config);
    design.main.loops = data.loops;
    QStringList models;
    for (const SetupFile::ExpansionBoxConfig &box : data.boxes) {
        SystemDesign system;
        PanelConfig::fromTexts(box.panel, true, system.config);
        system.loops = box.loops;
        design.boxes.append(system);
        models.append(system.config.model);
    }
    const QStringList names = BoxNames::forModels(models);
    for (int i = 0; i < design.boxes.size(); ++i)
        design.boxes[i].name = names.at(i);
    return design;
}

Design Design::normalised(const Catalogue &catalogue) const
{
    Design design = *this;
    for (int s = -1; s < design.boxes.size(); ++s) {
        SystemDesign *system = design.system(s);
        system->config = system->config.normalised(catalogue);
        for (LoopConfig &loop : system->loops)
            loop = loop.normalised();
    }
    return design;
}
