#pragma once

#include <QObject>
#include <QString>

class QAbstractSpinBox;

// What a numeric field makes of a text typed into it that it cannot hold as
// it is: a number beyond its range or with more decimals than it shows.
struct RangeVerdict {
    enum Kind { Fits, NotANumber, AboveMaximum, BelowMinimum, TooPrecise };
    Kind kind = NotANumber;
    double typed = 0; // the number as typed
    double value = 0; // the value the field takes instead
};

// `text` without the field's prefix and suffix; `decimals` 0 for whole numbers.
RangeVerdict judgeTypedValue(const QString &text, double minimum, double maximum, int decimals);

// Keeps every spin box of the program from changing what was typed: a value
// beyond the range is capped, one below it raised to the minimum when the
// field is left, and one with too many decimals rounded, each with a popup
// that says the field's range, instead of the spin box silently dropping the
// keystroke or going back to its previous value.
class RangeGuard : public QObject
{
    Q_OBJECT
public:
    // Watches the whole application, once; later calls do nothing.
    static void install();
    // The last message shown, for tests.
    static QString lastMessage();

    // The message for `verdict` in `spinBox` (its prefix, suffix, range).
    static QString message(const QAbstractSpinBox *spinBox, const RangeVerdict &verdict);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    using QObject::QObject;
    void correct(QAbstractSpinBox *spinBox, const RangeVerdict &verdict);
};
