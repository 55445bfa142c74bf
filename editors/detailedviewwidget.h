#pragma once

#include <QHash>
#include <QMap>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <QWidget>

class Catalogue;
class QListWidgetItem;
class QSpinBox;

namespace Ui
{
class DetailedViewWidget;
}

// The "Detailed view" page of a loop tab: one row per device in the loop with
// its quantity and a remove button, and the details of one device. Every
// quantity change is reported through updateDeviceQuantity; the owning loop
// keeps its device map from those signals.
class DetailedViewWidget : public QWidget
{
    Q_OBJECT
public:
    explicit DetailedViewWidget(const Catalogue *catalogue, QWidget *parent = nullptr);
    ~DetailedViewWidget() override;

    void showDeviceDetails(const QString &deviceName);
    void setSoundersActiveFraction(double value);
    void setDevices(const QMap<QString, int> &devices);
    // Adds `count` units of a device as one change of its row (capped at the
    // top of the quantity range), creating the row when needed.
    void addUnits(const QString &deviceName, int count);
    // The quantity field of a device's row, or null.
    QSpinBox *quantityField(const QString &deviceName) const;

    double soundersActiveFraction() const { return m_soundersActiveFraction; }

public slots:
    void onDroppedNewDevice(const QString &deviceName);

signals:
    void updateDeviceQuantity(const QString &deviceName, int quantity);

protected:
    // A new language: the form's captions and the shown description again.
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void updateDeviceQuantityDetails(const QString &deviceName);

private:
    void addHelpSymbols();
    QListWidgetItem *itemOf(const QString &deviceName) const;
    QSpinBox *spinBoxOf(QListWidgetItem *item) const;
    QString deviceNameOf(QListWidgetItem *item) const;
    QListWidgetItem *addRow(const QString &deviceName);
    void removeRow(const QString &deviceName);
    void clearDeviceDetails();
    void alignCaptions();
    void showImage();

    Ui::DetailedViewWidget *m_ui;
    const Catalogue *m_catalogue;
    double m_soundersActiveFraction = 1.0;
    QString m_imagePath; // picture of the device shown, rescaled with its label
    QPixmap m_image;
    QSize m_scaledFor;                    // label size the shown picture was scaled to
    QHash<QString, QString> m_imagePaths; // image name -> file, looked up once
};
