#include "widgets/rangeguard.h"

#include "widgets/widgetfunctions.h"

#include <QApplication>
#include <QDoubleSpinBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QSpinBox>

#include <cmath>

namespace
{

// Value limits stay in view as long as the other limit notes.
constexpr int MessageMs = 5000;

QString &lastShown()
{
    static QString text;
    return text;
}

// Spin boxes show no group separators, so a comma can only be a decimal one.
bool parseNumber(QString text, double &value)
{
    text = text.trimmed();
    if (!text.contains(QLatin1Char('.')))
        text.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    value = QLocale::c().toDouble(text, &ok);
    return ok && std::isfinite(value);
}

struct Field {
    double minimum = 0;
    double maximum = 0;
    int decimals = 0;
    QString prefix;
    QString suffix;
};

bool describe(const QAbstractSpinBox *spinBox, Field &field)
{
    if (auto *spin = qobject_cast<const QSpinBox *>(spinBox)) {
        field = {double(spin->minimum()), double(spin->maximum()), 0, spin->prefix(), spin->suffix()};
        return true;
    }
    if (auto *spin = qobject_cast<const QDoubleSpinBox *>(spinBox)) {
        field = {spin->minimum(), spin->maximum(), spin->decimals(), spin->prefix(), spin->suffix()};
        return true;
    }
    return false;
}

QString withoutAffixes(QString text, const Field &field)
{
    if (!field.prefix.isEmpty() && text.startsWith(field.prefix))
        text.remove(0, field.prefix.size());
    if (!field.suffix.isEmpty() && text.endsWith(field.suffix))
        text.chop(field.suffix.size());
    return text;
}

QString shown(double value, const Field &field, const QLocale &locale)
{
    return field.prefix + locale.toString(value, 'f', field.decimals) + field.suffix;
}

} // namespace

RangeVerdict judgeTypedValue(const QString &text, double minimum, double maximum, int decimals)
{
    RangeVerdict verdict;
    double typed = 0;
    if (!parseNumber(text, typed))
        return verdict;
    verdict.typed = typed;
    if (typed > maximum) {
        verdict.kind = RangeVerdict::AboveMaximum;
        verdict.value = maximum;
        return verdict;
    }
    if (typed < minimum) {
        verdict.kind = RangeVerdict::BelowMinimum;
        verdict.value = minimum;
        return verdict;
    }
    const double scale = std::pow(10.0, decimals);
    const double rounded = std::round(typed * scale) / scale;
    // Compared as text: 0.1 + 0.2 and the like must not count as too precise.
    if (QString::number(rounded, 'f', decimals + 6).toDouble() !=
        QString::number(typed, 'f', decimals + 6).toDouble()) {
        verdict.kind = RangeVerdict::TooPrecise;
        verdict.value = std::min(maximum, std::max(minimum, rounded));
        return verdict;
    }
    verdict.kind = RangeVerdict::Fits;
    verdict.value = typed;
    return verdict;
}

void RangeGuard::install()
{
    static QPointer<RangeGuard> guard;
    if (guard || !qApp)
        return;
    guard = new RangeGuard(qApp);
    qApp->installEventFilter(guard);
}

QString RangeGuard::lastMessage()
{
    return lastShown();
}

QString RangeGuard::message(const QAbstractSpinBox *spinBox, const RangeVerdict &verdict)
{
    Field field;
    if (!describe(spinBox, field))
        return QString();
    // As the field shows figures: without group separators.
    QLocale locale = spinBox->locale();
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    const QString range = tr("Allowed range: %1 to %2.")
                              .arg(shown(field.minimum, field, locale), shown(field.maximum, field, locale));
    const QString typed = field.prefix + locale.toString(verdict.typed, 'g', 15) + field.suffix;
    const QString used = shown(verdict.value, field, locale);
    switch (verdict.kind) {
    case RangeVerdict::AboveMaximum:
        return tr("%1 is above the maximum; %2 is used.").arg(typed, used) + QLatin1Char('\n') + range;
    case RangeVerdict::BelowMinimum:
        return tr("%1 is below the minimum; %2 is used.").arg(typed, used) + QLatin1Char('\n') + range;
    case RangeVerdict::TooPrecise:
        return tr("This field takes %n decimal(s); %1 is used.", nullptr, field.decimals).arg(used) +
               QLatin1Char('\n') + range;
    default:
        return QString();
    }
}

void RangeGuard::correct(QAbstractSpinBox *spinBox, const RangeVerdict &verdict)
{
    const QString text = message(spinBox, verdict);
    if (auto *spin = qobject_cast<QSpinBox *>(spinBox))
        spin->setValue(int(std::lround(verdict.value)));
    else if (auto *spin = qobject_cast<QDoubleSpinBox *>(spinBox))
        spin->setValue(verdict.value);
    spinBox->selectAll();
    lastShown() = text;
    showTypingNote(spinBox, text, QPoint(0, spinBox->height()), MessageMs);
}

bool RangeGuard::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::FocusOut)
        return false;
    auto *spinBox = qobject_cast<QAbstractSpinBox *>(watched);
    Field field;
    if (!spinBox || spinBox->isReadOnly() || !describe(spinBox, field))
        return false;
    QLineEdit *edit = spinBox->findChild<QLineEdit *>();
    if (!edit)
        return false;

    if (type == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            // Committing a value below the minimum: say so instead of going back.
            if (!spinBox->hasAcceptableInput()) {
                const RangeVerdict verdict = judgeTypedValue(withoutAffixes(edit->text(), field),
                                                             field.minimum, field.maximum, field.decimals);
                if (verdict.kind == RangeVerdict::BelowMinimum)
                    correct(spinBox, verdict);
            }
            return false;
        }
        const QString typed = key->text();
        if (typed.isEmpty() ||
            !(typed.at(0).isDigit() || typed == QLatin1String(".") || typed == QLatin1String(",")))
            return false;
        // The text the keystroke would make, as the line edit would make it.
        QString next = edit->text();
        if (edit->hasSelectedText())
            next.replace(edit->selectionStart(), edit->selectedText().size(), typed);
        else
            next.insert(edit->cursorPosition(), typed);
        int pos = edit->cursorPosition() + 1;
        if (spinBox->validate(next, pos) != QValidator::Invalid)
            return false;
        const RangeVerdict verdict =
            judgeTypedValue(withoutAffixes(next, field), field.minimum, field.maximum, field.decimals);
        if (verdict.kind != RangeVerdict::AboveMaximum && verdict.kind != RangeVerdict::TooPrecise)
            return false;
        correct(spinBox, verdict);
        return true;
    }

    // Leaving a field whose text is below the minimum.
    if (!spinBox->hasAcceptableInput()) {
        const RangeVerdict verdict = judgeTypedValue(withoutAffixes(edit->text(), field), field.minimum,
                                                     field.maximum, field.decimals);
        if (verdict.kind == RangeVerdict::BelowMinimum)
            correct(spinBox, verdict);
    }
    return false;
}
