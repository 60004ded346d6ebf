// The Qt answers to the platform services: the modal message box.

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/qt/program.h"
#include "app/qt/qt_services.h"

class QtServicesTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase() { orvane::qt::UseProgramStyle(); }

    // The Qt message box behind the window's questions.
    void messageBoxCarriesTheTitleAndButtons() {
        orvane::qt::QtMessageBoxes boxes;
        QString title, text;
        qsizetype buttons = 0;
        auto answer = [&](std::function<void(QMessageBox*)> press) {
            QTimer::singleShot(0, this, [&, press] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                if (box == nullptr) return;
                title = box->windowTitle();
                text = box->text();
                buttons = box->buttons().size();
                press(box);
            });
        };
        answer([](QMessageBox* box) { box->button(QMessageBox::No)->click(); });
        QCOMPARE(boxes.Show("Save Changes?", "", orvane::MsgButtons::YesNoCancel),
                 orvane::MsgAnswer::No);
        QCOMPARE(title, QString("Orvane Asset Depreciation"));
        QCOMPARE(text, QString("Save Changes?"));
        QCOMPARE(buttons, 3);
        answer([](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); });
        QCOMPARE(
            boxes.Show("Err: 9[Subscript out of range]", "Fill Grid Error", orvane::MsgButtons::Ok),
            orvane::MsgAnswer::Ok);
        QCOMPARE(title, QString("Fill Grid Error"));
        QCOMPARE(buttons, 1);
    }
};

QTEST_MAIN(QtServicesTest)
#include "qt_services_test.moc"
