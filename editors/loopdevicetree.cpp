// The loop tab's device tree: filling it from the catalogue, its counters,
// the filter above it, quantities typed into it, and drops from it.
#include "editors/loopwidget.h"
#include "ui_loopwidget.h"

#include "catalogue/catalogue.h"
#include "catalogue/devicecategories.h"
#include "editors/detailedviewwidget.h"
#include "loop/devicefilter.h"
#include "widgets/widgetfunctions.h"

#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTreeWidgetItem>
#include <QTreeWidgetItemIterator>

#include <functional>

namespace
{

// Tree items remember the category (and subcategory) they count, so the
// counter never has to be parsed back out of the item text.
constexpr int CategoryRole = Qt::UserRole;
constexpr int SubcategoryRole = Qt::UserRole + 1;

QTreeWidgetItem *headerItem(const QString &text, const QString &category, const QString &subcategory)
{
    auto *item = new QTreeWidgetItem(QStringList(text));
    QFont font = item->font(0);
    font.setWeight(QFont::Bold);
    item->setFont(0, font);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setData(0, CategoryRole, category);
    item->setData(0, SubcategoryRole, subcategory);
    return item;
}

} // namespace

void LoopWidget::fillDeviceTree()
{
    QTreeWidget *tree = m_ui->devAvailableTree;
    // Rows are measured as they are added; measure them with the style sheet's
    // padding, not the bare style's.
    tree->ensurePolished();
    tree->clear();
    tree->setColumnCount(1);
    tree->setHeaderHidden(true);

    // category -> subcategory -> devices in catalogue order
    QMap<QString, QMap<QString, QVector<Device>>> groups;
    for (const Device &device : m_catalogue->devices()) {
        if (!device.hidden)
            groups[device.category][device.subcategory].append(device);
    }
    for (auto category = groups.cbegin(); category != groups.cend(); ++category) {
        QTreeWidgetItem *categoryItem =
            headerItem(DeviceCategories::categoryName(category.key()), category.key(), QString());
        tree->addTopLevelItem(categoryItem);
        for (auto sub = category->cbegin(); sub != category->cend(); ++sub) {
            QTreeWidgetItem *parent = categoryItem;
            if (sub.key() != QLatin1String("-")) {
                parent = headerItem(DeviceCategories::subcategoryName(sub.key()), category.key(), sub.key());
                categoryItem->addChild(parent);
            }
            for (const Device &device : sub.value()) {
                auto *item = new QTreeWidgetItem(QStringList(device.name));
                item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled);
                item->setData(0, CategoryRole, device.category);
                item->setData(0, SubcategoryRole, device.subcategory);
                parent->addChild(item);
            }
        }
    }
    // Every row is one line of text; without this each counter update
    // measures the row again.
    tree->setUniformRowHeights(true);
    tree->setDragEnabled(true);
    tree->setSelectionMode(QAbstractItemView::SingleSelection);
    tree->setDragDropMode(QAbstractItemView::DragOnly);
    tree->expandAll();
    refreshTreeCounters(resolvedDevices());
    applyDeviceFilter();
}

void LoopWidget::setUpDeviceFilter()
{
    m_deviceFilter = new QLineEdit(this);
    m_deviceFilter->setObjectName(QStringLiteral("devFilterLineEdit"));
    m_deviceFilter->setClearButtonEnabled(true);
    m_ui->verticalLayout_2->insertWidget(m_ui->verticalLayout_2->indexOf(m_ui->devAvailableTree), m_deviceFilter);
    // An empty tree alone would look like a missing catalogue.
    m_noMatchLabel = new QLabel(this);
    m_noMatchLabel->setObjectName(QStringLiteral("devFilterNoMatchLabel"));
    m_noMatchLabel->setWordWrap(true);
    m_noMatchLabel->hide();
    m_ui->verticalLayout_2->insertWidget(m_ui->verticalLayout_2->indexOf(m_ui->devAvailableTree), m_noMatchLabel);
    setTabOrder(m_deviceFilter, m_ui->devAvailableTree);
    connect(m_deviceFilter, &QLineEdit::textChanged, this, [this] { applyDeviceFilter(); });
    m_deviceFilter->installEventFilter(this);

    // Anywhere in the window: only the loop tab on screen is visible, and a
    // shortcut of a hidden widget does not fire.
    auto *find = new QShortcut(QKeySequence::Find, this);
    find->setContext(Qt::WindowShortcut);
    connect(find, &QShortcut::activated, this, [this] {
        m_deviceFilter->setFocus(Qt::ShortcutFocusReason);
        m_deviceFilter->selectAll();
    });
}

QLineEdit *LoopWidget::deviceFilterField()
{
    buildPage();
    return m_deviceFilter;
}

void LoopWidget::applyDeviceFilter()
{
    QTreeWidget *tree = m_ui->devAvailableTree;
    const QStringList terms = DeviceFilter::terms(m_deviceFilter ? m_deviceFilter->text() : QString());
    // Leaves first; a header stays only while something under it does.
    std::function<bool(QTreeWidgetItem *)> filter = [&](QTreeWidgetItem *item) {
        if (item->childCount() == 0 && item->parent() != nullptr) {
            Device device;
            device.name = item->text(0);
            device.category = item->data(0, CategoryRole).toString();
            device.subcategory = item->data(0, SubcategoryRole).toString();
            const bool shown = DeviceFilter::matches(device, DeviceFilter::description(device.name), terms);
            item->setHidden(!shown);
            return shown;
        }
        bool any = false;
        for (int i = 0; i < item->childCount(); ++i)
            any = filter(item->child(i)) || any;
        item->setHidden(!any);
        return any;
    };
    bool anyShown = false;
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        anyShown = filter(tree->topLevelItem(i)) || anyShown;
    if (!terms.isEmpty())
        tree->expandAll();
    if (m_noMatchLabel) {
        const bool noMatch = !terms.isEmpty() && !anyShown;
        m_noMatchLabel->setText(
            noMatch ? tr("No device matches \"%1\".").arg(m_deviceFilter->text().trimmed()) : QString());
        m_noMatchLabel->setVisible(noMatch);
    }
    // The selected device may just have been hidden: do not leave an
    // invisible item current for Enter to add.
    QTreeWidgetItem *current = tree->currentItem();
    if (current && current->isHidden())
        tree->setCurrentItem(nullptr);
}

void LoopWidget::addCurrentTreeDevice(int count)
{
    const QTreeWidgetItem *current = m_ui->devAvailableTree->currentItem();
    if (!current || current->childCount() != 0 || current->isHidden() || !current->parent())
        return;
    const QString name = current->text(0);
    // Either way the row signals its new quantity once: one edit.
    if (count == 1)
        emit addDevice(name);
    else
        m_detailedView->addUnits(name, count);
    // Tab goes on to the quantity just added, not to the first row's.
    if (QSpinBox *quantity = m_detailedView->quantityField(name))
        setTabOrder(m_ui->devAvailableTree, quantity);
}

QTreeWidgetItem *LoopWidget::firstShownDevice() const
{
    QTreeWidgetItemIterator it(m_ui->devAvailableTree, QTreeWidgetItemIterator::NoChildren);
    for (; *it; ++it) {
        if (!(*it)->isHidden() && (*it)->parent() && !(*it)->parent()->isHidden())
            return *it;
    }
    return nullptr;
}

void LoopWidget::showTypedQuantity()
{
    if (m_typedQuantityNote)
        m_typedQuantityNote->deleteLater();
    if (m_typedQuantity.isEmpty())
        return;
    QTreeWidget *tree = m_ui->devAvailableTree;
    const QTreeWidgetItem *current = tree->currentItem();
    const QRect row = current ? tree->visualItemRect(current) : QRect();
    const QPoint at = tree->viewport()->mapTo(tree, row.isValid() ? row.bottomLeft() : QPoint(0, 0));
    m_typedQuantityNote =
        showTypingNote(tree, tr("Quantity %1: Enter adds them, Esc cancels.").arg(m_typedQuantity), at, 5000);
}

bool LoopWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (!m_ui)
        return QWidget::eventFilter(watched, event);
    if (watched == m_ui->devAvailableTree && event->type() == QEvent::FocusOut && !m_typedQuantity.isEmpty()) {
        m_typedQuantity.clear();
        showTypedQuantity();
    }
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (watched == m_ui->devAvailableTree && enter && plain) {
        // Digits typed first say how many; Enter alone adds one.
        const int count = m_typedQuantity.isEmpty() ? 1 : m_typedQuantity.toInt();
        m_typedQuantity.clear();
        showTypedQuantity();
        addCurrentTreeDevice(count);
        return true;
    }
    if (watched == m_ui->devAvailableTree && plain && !key->text().isEmpty() && key->text().at(0).isDigit() &&
        key->text().size() == 1) {
        // Three digits are already more than a row holds.
        if (m_typedQuantity.size() < 3 && !(m_typedQuantity.isEmpty() && key->text() == QLatin1String("0")))
            m_typedQuantity += key->text();
        showTypedQuantity();
        return true;
    }
    if (watched == m_ui->devAvailableTree && !m_typedQuantity.isEmpty() &&
        (key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Escape)) {
        if (key->key() == Qt::Key_Backspace)
            m_typedQuantity.chop(1);
        else
            m_typedQuantity.clear();
        showTypedQuantity();
        return true;
    }
    // Esc in the tree too, right after picking from a narrowed list.
    if (watched == m_ui->devAvailableTree && key->key() == Qt::Key_Escape &&
        !m_deviceFilter->text().isEmpty()) {
        m_deviceFilter->clear();
        return true;
    }
    if (watched == m_deviceFilter) {
        if (key->key() == Qt::Key_Escape && !m_deviceFilter->text().isEmpty()) {
            m_deviceFilter->clear();
            return true;
        }
        // From the field straight to the first match, ready for Enter.
        if ((enter || key->key() == Qt::Key_Down) && key->modifiers() == Qt::NoModifier) {
            if (QTreeWidgetItem *first = firstShownDevice()) {
                m_ui->devAvailableTree->setCurrentItem(first);
                m_ui->devAvailableTree->setFocus(Qt::OtherFocusReason);
            }
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void LoopWidget::refreshTreeCounters(const QVector<LoopCalc::LoopDevice> &devices)
{
    // Subcategories count per category: the same subcategory name under two
    // categories is two different groups.
    QMap<QString, int> categoryCounts;
    QMap<QPair<QString, QString>, int> subcategoryCounts;
    for (const LoopCalc::LoopDevice &entry : devices) {
        const Device &device = entry.record;
        categoryCounts[device.category] += entry.quantity;
        if (device.subcategory != QLatin1String("-"))
            subcategoryCounts[{device.category, device.subcategory}] += entry.quantity;
    }
    const auto label = [](QTreeWidgetItem *item, const QString &key, int count) {
        const QString text = key + QStringLiteral(" (") + QString::number(count) + QLatin1Char(')');
        if (item->text(0) != text)
            item->setText(0, text);
    };
    QTreeWidget *tree = m_ui->devAvailableTree;
    // A counter changes its text only: rows keep their (uniform) height and
    // the single column spans the view, so the view need not measure the
    // changed rows again, which it would do on every quantity step. Repaint
    // instead.
    const QSignalBlocker quietModel(tree->model());
    tree->viewport()->update();
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        QTreeWidgetItem *categoryItem = tree->topLevelItem(i);
        const QString category = categoryItem->data(0, CategoryRole).toString();
        label(categoryItem, DeviceCategories::categoryName(category), categoryCounts.value(category));
        for (int j = 0; j < categoryItem->childCount(); ++j) {
            QTreeWidgetItem *child = categoryItem->child(j);
            if (child->childCount() == 0)
                continue;
            const QString subcategory = child->data(0, SubcategoryRole).toString();
            label(child, DeviceCategories::subcategoryName(subcategory),
                  subcategoryCounts.value({category, subcategory}));
        }
    }
}

void LoopWidget::onTreeCurrentItemChanged(QTreeWidgetItem *current)
{
    if (current && current->childCount() == 0)
        m_detailedView->showDeviceDetails(current->text(0));
}

QObject *LoopWidget::dragSource(const QDropEvent *event) const
{
    return event->source();
}

bool LoopWidget::dropsOnDeviceView(const QPoint &position) const
{
    if (!m_ui)
        return false;
    const QWidget *view = m_ui->stackedWidget;
    return QRect(view->mapTo(this, QPoint(0, 0)), view->size()).contains(position);
}

void LoopWidget::dragEnterEvent(QDragEnterEvent *event)
{
    if (m_ui && dragSource(event) == m_ui->devAvailableTree)
        event->acceptProposedAction();
    else
        event->ignore();
}

void LoopWidget::dragMoveEvent(QDragMoveEvent *event)
{
    // Show the user where a drop would land.
    if (m_ui && dragSource(event) == m_ui->devAvailableTree && dropsOnDeviceView(event->pos()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void LoopWidget::dropEvent(QDropEvent *event)
{
    const QTreeWidgetItem *current = m_ui ? m_ui->devAvailableTree->currentItem() : nullptr;
    if (dropsOnDeviceView(event->pos()) && dragSource(event) == m_ui->devAvailableTree && current &&
        current->childCount() == 0) {
        event->acceptProposedAction();
        emit addDevice(current->text(0));
    } else {
        event->ignore();
    }
}
