#include "platform/ui/template_dialog.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QGuiApplication>
#include <QSignalBlocker>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <algorithm>

#include "platform/ui/bitmap_button.h"
#include "platform/ui/up_down.h"

namespace chronel {
namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

Qt::Alignment TextAlignment(unsigned style, Qt::Alignment vertical) {
    Qt::Alignment h = Qt::AlignLeft;
    if (style & kAlignRight) h = Qt::AlignRight;
    if (style & kAlignCenter) h = Qt::AlignHCenter;
    return h | vertical;
}

// Position at which text goes into a list of count items sorted alphabetically without regard
// to case (itemText gives the item at a position); equal names go after those already there.
template <class ItemText>
int SortedPosition(int count, const QString& text, ItemText itemText) {
    int low = 0, high = count;
    while (low < high) {
        const int mid = (low + high) / 2;
        if (QString::compare(itemText(mid), text, Qt::CaseInsensitive) <= 0)
            low = mid + 1;
        else
            high = mid;
    }
    return low;
}

}  // namespace

TemplateDialog::TemplateDialog(const DialogTemplate& dialogTemplate, QWidget* parent,
                               const OwnerDrawnFactory& ownerDrawn)
    : QDialog(parent), m_template(dialogTemplate), m_units(font()) {
    setWindowTitle(Q(m_template.caption));
    setFixedSize(m_units.X(m_template.width), m_units.Y(m_template.height));
    for (const ControlTemplate& c : m_template.controls) {
        QWidget* w = CreateControl(c, ownerDrawn);
        if (!w) continue;
        if (c.id != kNoId) {
            m_controls.insert(c.id, w);
            m_ids.insert(w, c.id);
            w->installEventFilter(this);
            if (auto* combo = qobject_cast<QComboBox*>(w); combo && combo->lineEdit()) {
                m_ids.insert(combo->lineEdit(), c.id);
                combo->lineEdit()->installEventFilter(this);
            }
        }
    }
}

QWidget* TemplateDialog::CreateControl(const ControlTemplate& c, const OwnerDrawnFactory& ownerDrawn) {
    QWidget* w = nullptr;
    const QRect rect = m_units.Rect(c.x, c.y, c.width, c.height);
    switch (c.kind) {
    case ControlKind::Static: {
        auto* label = new QLabel(Q(c.text), this);
        label->setAlignment(TextAlignment(c.style, (c.style & kVCenter) ? Qt::AlignVCenter : Qt::AlignTop));
        // A label whose text is wider than its box grows (to the right, or both ways when
        // centred) rather than cutting its text.
        QRect r = rect;
        const int needed = label->sizeHint().width();
        if (needed > r.width()) {
            const int extra = needed - r.width();
            r.setWidth(needed);
            if (c.style & kAlignCenter) r.translate(-extra / 2, 0);
        }
        label->setGeometry(r);
        return label;
    }
    case ControlKind::Edit: {
        auto* edit = new QLineEdit(this);
        edit->setReadOnly(c.style & kReadOnly);
        edit->setFrame(!(c.style & kNoBorder));
        if ((c.style & kNoBorder) && (c.style & kReadOnly)) {
            // A read-only text without a border reads as part of the window, not as a field.
            QPalette palette = edit->palette();
            palette.setColor(QPalette::Base, palette.color(QPalette::Window));
            edit->setPalette(palette);
        }
        edit->setAlignment(TextAlignment(c.style, Qt::AlignVCenter));
        if (c.style & kDigitsOnly)
            edit->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), edit));
        w = edit;
        break;
    }
    case ControlKind::DropDownCombo:
        return CreateEditableCombo(c, rect);
    case ControlKind::ListBox: {
        auto* list = new QListWidget(this);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setUniformItemSizes(true);  // one line of text each: no need to measure thousands
        for (const std::string& item : c.items) list->addItem(Q(item));
        w = list;
        break;
    }
    case ControlKind::PushButton:
    case ControlKind::DefPushButton: {
        auto* button = new QPushButton(Q(c.text), this);
        button->setAutoDefault(false);
        button->setDefault(c.kind == ControlKind::DefPushButton);
        w = button;
        break;
    }
    case ControlKind::FlatButton: {
        auto* button = new QPushButton(Q(c.text), this);
        button->setFlat(true);
        button->setAutoDefault(false);
        if (c.style & kAlignRight) button->setStyleSheet("QPushButton { text-align: right; padding-right: 4px; }");
        w = button;
        break;
    }
    case ControlKind::OwnerDrawButton:
        w = ownerDrawn ? ownerDrawn(c, this) : new BitmapButton(this);
        break;
    case ControlKind::UpDown:
        w = new UpDown(this);
        break;
    }
    if (w) w->setGeometry(rect);
    return w;
}

QComboBox* TemplateDialog::CreateEditableCombo(const ControlTemplate& c, const QRect& rect) {
    auto* combo = new QComboBox(this);
    combo->setInsertPolicy(QComboBox::NoInsert);
    for (const std::string& item : c.items) combo->addItem(Q(item));
    // The box is made editable by giving it a line edit rather than by setEditable(true), which
    // would also build the drop-down list's window at once (QComboBox otherwise builds it when
    // the list first opens) and give the box a completer of its own. These boxes complete
    // nothing; QComboBox skips its completer when the line edit already has one, so a single
    // inert completer of the window stands in while the line edit is attached, then goes.
    // Together that was a fifth of the instructions of building the main window.
    if (!m_noCompletion) m_noCompletion = new QCompleter(this);
    auto* edit = new QLineEdit(combo);
    edit->setCompleter(m_noCompletion);
    combo->setLineEdit(edit);
    combo->setCompleter(nullptr);
    // The template gives the height with the list opened; the closed box is one edit high.
    const int closed = m_units.Y(14);
    const int rowHeight = qMax(1, combo->fontMetrics().height() + 2);
    combo->setMaxVisibleItems(qMax(1, (rect.height() - closed) / rowHeight));
    combo->setGeometry(rect.x(), rect.y(), rect.width(), closed);
    connect(combo, &QComboBox::activated, this, [this, combo] {
        // Put the picked item's text in the edit part even when the item was already current.
        combo->setEditText(combo->currentText());
    });
    combo->setCurrentIndex(-1);
    return combo;
}

const ControlTemplate* TemplateDialog::Find(int id) const {
    for (const ControlTemplate& c : m_template.controls)
        if (c.id == id) return &c;
    return nullptr;
}

QWidget* TemplateDialog::Control(int id) const { return m_controls.value(id, nullptr); }

void TemplateDialog::SetText(int id, const std::string& text) {
    QWidget* w = Control(id);
    const QString t = Q(text);
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        if (edit->text() != t) {
            edit->setText(t);
            edit->setCursorPosition(0);  // a long text shows its beginning, as it reads
        }
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        button->setText(t);
    } else if (auto* label = qobject_cast<QLabel*>(w)) {
        label->setText(t);
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        combo->setEditText(t);
    }
}

std::string TemplateDialog::GetText(int id) const {
    QWidget* w = Control(id);
    if (auto* edit = qobject_cast<QLineEdit*>(w)) return edit->text().toStdString();
    if (auto* button = qobject_cast<QAbstractButton*>(w)) return button->text().toStdString();
    if (auto* label = qobject_cast<QLabel*>(w)) return label->text().toStdString();
    if (auto* combo = qobject_cast<QComboBox*>(w)) return combo->currentText().toStdString();
    return {};
}

void TemplateDialog::SelectItem(int id, int position) {
    QWidget* w = Control(id);
    if (auto* combo = qobject_cast<QComboBox*>(w)) {
        if (position < -1 || position >= combo->count()) position = -1;
        bool changed = combo->currentIndex() != position;
        if (changed) combo->setCurrentIndex(position);
        const QString text = position < 0 ? QString() : combo->itemText(position);
        if (combo->currentText() != text) {
            combo->setEditText(text);
            changed = true;
        }
        if (changed && combo->lineEdit()) combo->lineEdit()->setCursorPosition(0);  // show the beginning
    } else if (auto* list = qobject_cast<QListWidget*>(w)) {
        const QSignalBlocker quiet(list);
        if (position < 0 || position >= list->count()) {
            list->setCurrentRow(-1);
            list->clearSelection();
        } else {
            list->setCurrentRow(position);
        }
        list->viewport()->update();
    }
}

int TemplateDialog::SelectedItem(int id) const {
    QWidget* w = Control(id);
    if (auto* combo = qobject_cast<QComboBox*>(w)) return combo->currentIndex();
    if (auto* list = qobject_cast<QListWidget*>(w)) {
        const auto selected = list->selectedItems();
        return selected.isEmpty() ? -1 : list->row(selected.front());
    }
    return -1;
}

std::string TemplateDialog::ItemText(int id, int position) const {
    QWidget* w = Control(id);
    if (auto* combo = qobject_cast<QComboBox*>(w))
        return position >= 0 && position < combo->count() ? combo->itemText(position).toStdString() : std::string();
    if (auto* list = qobject_cast<QListWidget*>(w))
        return position >= 0 && position < list->count() ? list->item(position)->text().toStdString() : std::string();
    return {};
}

int TemplateDialog::ItemCount(int id) const {
    QWidget* w = Control(id);
    if (auto* combo = qobject_cast<QComboBox*>(w)) return combo->count();
    if (auto* list = qobject_cast<QListWidget*>(w)) return list->count();
    return 0;
}

int TemplateDialog::AddItem(int id, const std::string& text) {
    const ControlTemplate* c = Find(id);
    const bool sorted = c && (c->style & kSorted);
    QWidget* w = Control(id);
    const QString t = Q(text);
    if (auto* combo = qobject_cast<QComboBox*>(w)) {
        const int pos = sorted ? SortedPosition(combo->count(), t, [combo](int i) { return combo->itemText(i); })
                               : combo->count();
        combo->insertItem(pos, t);
        return pos;
    }
    if (auto* list = qobject_cast<QListWidget*>(w)) {
        const int pos = sorted ? SortedPosition(list->count(), t, [list](int i) { return list->item(i)->text(); })
                               : list->count();
        list->insertItem(pos, t);
        return pos;
    }
    return -1;
}

void TemplateDialog::AddItems(int id, const std::vector<std::string>& texts) {
    const ControlTemplate* c = Find(id);
    const bool sorted = c && (c->style & kSorted);
    QWidget* w = Control(id);
    auto* combo = qobject_cast<QComboBox*>(w);
    auto* list = qobject_cast<QListWidget*>(w);
    if (!combo && !list) return;
    // One insertion of the whole list instead of one per item: the items already there and the
    // new ones, in the order AddItem would have given them (a stable case-insensitive sort).
    QStringList items;
    for (int i = 0, n = ItemCount(id); i < n; ++i) items << QString::fromStdString(ItemText(id, i));
    for (const std::string& t : texts) items << Q(t);
    if (sorted)
        std::stable_sort(items.begin(), items.end(),
                         [](const QString& a, const QString& b) { return QString::compare(a, b, Qt::CaseInsensitive) < 0; });
    if (combo) {
        const QSignalBlocker quiet(combo);
        combo->clear();
        combo->addItems(items);
        combo->setCurrentIndex(-1);
    } else {
        const QSignalBlocker quiet(list);
        list->clear();
        list->addItems(items);
    }
}

void TemplateDialog::ClearItems(int id) {
    QWidget* w = Control(id);
    if (auto* combo = qobject_cast<QComboBox*>(w)) combo->clear();
    if (auto* list = qobject_cast<QListWidget*>(w)) list->clear();
}

void TemplateDialog::ShowControl(int id, bool shown) {
    if (QWidget* w = Control(id)) w->setVisible(shown);
}

bool TemplateDialog::ControlShown(int id) const {
    QWidget* w = Control(id);
    return w && !w->isHidden();
}

int TemplateDialog::FocusedControlId() const {
    for (QObject* o = focusWidget(); o && o != this; o = o->parent()) {
        auto it = m_ids.constFind(o);
        if (it != m_ids.constEnd()) return *it;
    }
    return kNoId;
}

void TemplateDialog::OnClicked(int id, std::function<void()> handler) {
    if (auto* button = ControlAs<QAbstractButton>(id))
        connect(button, &QAbstractButton::clicked, this, [h = std::move(handler)] { h(); });
}

void TemplateDialog::OnPicked(int id, std::function<void()> handler) {
    QWidget* w = Control(id);
    if (auto* combo = qobject_cast<QComboBox*>(w)) {
        connect(combo, &QComboBox::activated, this, [h = std::move(handler)] { h(); });
    } else if (auto* list = qobject_cast<QListWidget*>(w)) {
        // A click picks (also the selected item again); a key that moves the selection picks
        // the new item. Selections made from code (SelectItem) run nothing.
        auto shared = std::make_shared<std::function<void()>>(std::move(handler));
        connect(list, &QListWidget::itemClicked, this, [shared] { (*shared)(); });
        connect(list, &QListWidget::currentRowChanged, this, [shared] {
            if (QGuiApplication::mouseButtons() == Qt::NoButton) (*shared)();
        });
    }
}

bool TemplateDialog::KeyPressed(int, int) { return false; }

void TemplateDialog::NameControls(std::span<const ControlName> names) {
    for (const ControlName& n : names)
        if (QWidget* w = Control(n.id)) w->setAccessibleName(QString::fromUtf8(n.name));
}

bool TemplateDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const int k = key->key();
        if (k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_Escape) {
            if (KeyPressed(k == Qt::Key_Escape ? Qt::Key_Escape : Qt::Key_Return, m_ids.value(watched, kNoId)))
                return true;
            // Enter in the edit part of a drop-down list never picks or adds an item.
            auto* combo = qobject_cast<QComboBox*>(watched);
            if (!combo && watched->parent()) combo = qobject_cast<QComboBox*>(watched->parent());
            if (combo && k != Qt::Key_Escape && !combo->view()->isVisible()) return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TemplateDialog::keyPressEvent(QKeyEvent* event) {
    // Keys from a numbered control were offered in eventFilter already; offer those from the
    // window itself or from a widget without a number here, once.
    const int k = event->key();
    if ((k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_Escape) && FocusedControlId() == kNoId &&
        KeyPressed(k == Qt::Key_Escape ? Qt::Key_Escape : Qt::Key_Return, kNoId))
        return;
    QDialog::keyPressEvent(event);
}

}  // namespace chronel
