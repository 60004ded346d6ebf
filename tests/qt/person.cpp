#include "tests/qt/person.h"

#include "app/qt/frame_box.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <QTimer>

namespace orvane::qt::testing {

Desk::Desk(bool real_menus) {
    Services services{&messages, &beeper, &clock, &metrics};
    QtWindowCommands::PopupMenu popup;
    if (!real_menus) {
        popup = [this](const std::vector<std::string>& entries) {
            menus.push_back(entries);
            return menu_answer;
        };
    }
    window = std::make_unique<frmViewDepr>(services, popup);
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get())) qWarning("the window did not become active");
}

Desk::~Desk() = default;

void Desk::UseLimitFolder(const std::filesystem::path& folder) {
    limit_files = std::make_unique<VehicleLimitFiles>(folder, messages);
    limit_editors = std::make_unique<QtLimitEditors>([folder] { return folder; }, messages, beeper);
    limit_editors->set_parent(window.get());
    window->set_vehicle_limits(limit_files.get());
    window->set_limit_editors(limit_editors.get());
}

void Desk::WhenEditorShows(std::function<void(FrmAutoMaxView&)> script, bool* ran) {
    if (ran != nullptr) *ran = false;
    auto* timer = new QTimer(window.get());
    timer->setInterval(10);
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, window.get(), [timer, tries, script, ran] {
        auto* view = qobject_cast<FrmAutoMaxView*>(QApplication::activeModalWidget());
        if (view == nullptr || !view->isVisible()) {
            if (++*tries > 200) timer->deleteLater();
            return;
        }
        timer->stop();
        timer->deleteLater();
        if (!QTest::qWaitForWindowActive(view)) qWarning("the limit editor did not become active");
        if (ran != nullptr) *ran = true;
        script(*view);
        if (view->isVisible()) view->close();
    });
    timer->start();
}

void Desk::Click(Ctl id) {
    QWidget* target = w(id);
    QPoint at = target->rect().center();
    if (qobject_cast<QAbstractButton*>(target) && Design(id).kind != Kind::Button) {
        at = QPoint(7, target->height() / 2);  // on the check mark or the option's dot
    } else if (auto* box = qobject_cast<QComboBox*>(target); box && box->isEditable()) {
        at = QPoint(box->width() - 6, box->height() / 2);  // the arrow
    }
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, at);
}

void Desk::Type(const QString& text) {
    for (QChar ch : text) {
        QWidget* focused = QApplication::focusWidget();
        if (focused == nullptr) return;
        QTest::keyClicks(focused, QString(ch));
    }
}

void Desk::Press(int key, Qt::KeyboardModifiers modifiers) {
    QWidget* focused = QApplication::focusWidget();
    if (focused == nullptr) focused = window.get();
    QTest::keyClick(focused, static_cast<Qt::Key>(key), modifiers);
}

bool Desk::Choose(Ctl list, const QString& entry) {
    auto* box = qobject_cast<QComboBox*>(w(list));
    if (box == nullptr || !box->isEnabled()) return false;
    Click(list);
    QAbstractItemView* view = box->view();
    if (!QTest::qWaitFor([&] { return view->isVisible(); }, 2000)) return false;
    const int target = box->findText(entry, Qt::MatchExactly);
    if (target < 0) {
        QTest::keyClick(view, Qt::Key_Escape);
        return false;
    }
    QTest::keyClick(view, Qt::Key_Home);
    for (int i = 0; i < target; ++i)
        QTest::keyClick(view, Qt::Key_Down);
    QTest::keyClick(view, Qt::Key_Return);
    return QTest::qWaitFor([&] { return !view->isVisible(); }, 2000);
}

void Desk::Fill(Ctl field, const QString& text) {
    Click(field);
    Press(Qt::Key_Home);
    Type(text);
}

QString Desk::Text(Ctl id) const {
    QWidget* target = w(id);
    if (auto* edit = qobject_cast<QLineEdit*>(target)) return edit->text();
    if (auto* box = qobject_cast<QComboBox*>(target)) return box->currentText();
    if (auto* label = qobject_cast<QLabel*>(target)) return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(target)) return button->text();
    if (auto* frame = qobject_cast<FrameBox*>(target)) return frame->title();
    return {};
}

QColor Desk::TextColour(Ctl id) const {
    QWidget* target = w(id);
    const bool entry = qobject_cast<QLineEdit*>(target) || qobject_cast<QComboBox*>(target);
    return target->palette().color(QPalette::Active, entry ? QPalette::Text : QPalette::WindowText);
}

bool Desk::Checked(Ctl id) const {
    auto* button = qobject_cast<QAbstractButton*>(w(id));
    return button != nullptr && button->isChecked();
}

QString Desk::Cell(int row, int col) const {
    return window->grid()->model()->index(row, col).data().toString();
}

Ctl Desk::Focus() const {
    QWidget* focused = QApplication::focusWidget();
    for (int i = 0; i < kControlCount; ++i) {
        auto id = static_cast<Ctl>(i);
        if (w(id) == focused) return id;
    }
    return Ctl::None;
}

void EditorDesk::Click(Ed id) {
    QTest::mouseClick(w(id), Qt::LeftButton, Qt::NoModifier, w(id)->rect().center());
}

void EditorDesk::Fill(Ed box, const QString& text) {
    Click(box);
    Press(Qt::Key_Home);
    Press(Qt::Key_End, Qt::ShiftModifier);
    Type(text);
}

void EditorDesk::Type(const QString& text) {
    for (QChar ch : text) {
        QWidget* focused = QApplication::focusWidget();
        if (focused == nullptr) return;
        QTest::keyClicks(focused, QString(ch));
    }
}

void EditorDesk::Press(int key, Qt::KeyboardModifiers modifiers) {
    QWidget* focused = QApplication::focusWidget();
    if (focused == nullptr) focused = &view;
    QTest::keyClick(focused, static_cast<Qt::Key>(key), modifiers);
}

QString EditorDesk::Text(Ed id) const {
    if (auto* edit = qobject_cast<QLineEdit*>(w(id))) return edit->text();
    if (auto* label = qobject_cast<QLabel*>(w(id))) return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(w(id))) return button->text();
    return {};
}

QColor EditorDesk::TextColour(Ed id) const {
    const bool box = qobject_cast<QLineEdit*>(w(id)) != nullptr;
    return w(id)->palette().color(QPalette::Active, box ? QPalette::Text : QPalette::WindowText);
}

Ed EditorDesk::Focus() const {
    QWidget* focused = QApplication::focusWidget();
    for (int i = 0; i < kEdCount; ++i) {
        if (w(static_cast<Ed>(i)) == focused) return static_cast<Ed>(i);
    }
    return Ed::None;
}

}  // namespace orvane::qt::testing
