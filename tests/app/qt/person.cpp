#include "tests/app/qt/person.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/qt/frame_box.h"

namespace orvane::qt::testing {

void ClickOn(QWidget* target) {
    QPoint at = target->rect().center();
    if (qobject_cast<QAbstractButton*>(target) && !qobject_cast<QPushButton*>(target)) {
        at = QPoint(7, target->height() / 2);
    } else if (auto* box = qobject_cast<QComboBox*>(target); box && box->isEditable()) {
        at = QPoint(box->width() - 6, box->height() / 2);
    }
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, at);
}

void RightClickOn(QWidget* target, QPoint at) {
    QTest::mousePress(target, Qt::RightButton, Qt::NoModifier, at);
    QContextMenuEvent request(QContextMenuEvent::Mouse, at, target->mapToGlobal(at));
    QApplication::sendEvent(target, &request);
    QTest::mouseRelease(target, Qt::RightButton, Qt::NoModifier, at);
}

void ClickIntoText(QWidget* target) {
    if (auto* box = qobject_cast<QComboBox*>(target); box && box->lineEdit()) {
        target = box->lineEdit();
    }
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->rect().center());
}

QString SelectedTextOf(QWidget* w) {
    if (auto* box = qobject_cast<QComboBox*>(w); box && box->lineEdit()) w = box->lineEdit();
    if (auto* edit = qobject_cast<QLineEdit*>(w)) return edit->selectedText();
    return {};
}

void TypeKeys(const QString& text) {
    for (QChar ch : text) {
        QWidget* focused = QApplication::focusWidget();
        if (focused == nullptr) return;
        if (ch.unicode() < 128) {
            QTest::keyClicks(focused, QString(ch));
        } else {
            // A letter of another keyboard layout: no key of the US layout, only its text.
            QTest::sendKeyEvent(QTest::Click, focused, Qt::Key_unknown, QString(ch),
                                Qt::NoModifier);
        }
    }
}

void PressKey(QWidget* fallback, int key, Qt::KeyboardModifiers modifiers) {
    QWidget* focused = QApplication::focusWidget();
    QTest::keyClick(focused ? focused : fallback, static_cast<Qt::Key>(key), modifiers);
}

QWidget* FocusedControl() {
    QWidget* focused = QApplication::focusWidget();
    if (focused != nullptr && qobject_cast<QComboBox*>(focused->parentWidget()) != nullptr) {
        return focused->parentWidget();
    }
    return focused;
}

QString TextOf(QWidget* w) {
    if (auto* edit = qobject_cast<QLineEdit*>(w)) return edit->text();
    if (auto* box = qobject_cast<QComboBox*>(w)) return box->currentText();
    if (auto* label = qobject_cast<QLabel*>(w)) return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(w)) return button->text();
    if (auto* frame = qobject_cast<FrameBox*>(w)) return frame->title();
    return {};
}

QColor TextColourOf(QWidget* w) {
    const bool entry = qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w);
    return w->palette().color(QPalette::Active, entry ? QPalette::Text : QPalette::WindowText);
}

void CheckFit(QWidget* window, QWidget* w) {
    const QByteArray name = w->objectName().toUtf8();
    QVERIFY2(w->parentWidget()->rect().contains(w->geometry()), name);
    QVERIFY2(window->rect().contains(QRect(w->mapTo(window, QPoint(0, 0)), w->size())), name);
    const QFontMetrics fm(w->font());
    if (auto* label = qobject_cast<QLabel*>(w)) {
        QVERIFY2(fm.horizontalAdvance(label->text()) <= label->width(), name);
        QVERIFY2(fm.height() <= label->height() + 1, name);
    }
    if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        // A check box or an option: its dot or mark and its whole caption.
        if (!qobject_cast<QPushButton*>(w)) {
            QVERIFY2(button->sizeHint().width() <= button->width(), name);
        }
        const int caption = fm.horizontalAdvance(QString(button->text()).remove('&'));
        QVERIFY2(caption + 8 <= button->width(), name);
    }
    if (auto* frame = qobject_cast<FrameBox*>(w)) {
        QVERIFY2(fm.horizontalAdvance(frame->title()) + 12 <= frame->width(), name);
    }
}

Desk::Desk(bool real_menus, Printer* printer) {
    Services services{&watched, &beeper,      &clock,      &metrics, printer ? printer : &pages,
                      &pointer, &spreadsheet, &file_dialog};
    QtWindowCommands::PopupMenu popup;
    if (!real_menus) {
        popup = [this](const std::vector<std::string>& entries) {
            menus.push_back(entries);
            return menu_answer;
        };
    }
    window = std::make_unique<MainWindowView>(services, popup);
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

bool Desk::Choose(MainCtl list, const QString& entry) {
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

void Desk::Fill(MainCtl field, const QString& text) const {
    Click(field);
    Press(Qt::Key_Home);
    Type(text);
}

void EditorDesk::Fill(EditorCtl box, const QString& text) const {
    Click(box);
    Press(Qt::Key_Home);
    Press(Qt::Key_End, Qt::ShiftModifier);
    Type(text);
}

}  // namespace orvane::qt::testing
