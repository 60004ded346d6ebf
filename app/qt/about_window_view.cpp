#include "app/qt/about_window_view.h"

#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QProcess>
#include <QPushButton>

// The icons are resources of this library, which a static library registers itself.
static void LoadIconResources() {
    Q_INIT_RESOURCE(orvane);
}

namespace orvane::qt {

bool QtProgramStarter::Start(const std::string& path) {
    return QProcess::startDetached(QString::fromStdString(path), {});
}

QIcon ProgramIcon() {
    static const bool loaded = (LoadIconResources(), true);
    (void)loaded;
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/orvane/icons/orvane-%1.png").arg(size), QSize(size, size));
    return icon;
}

AboutWindowView::AboutWindowView(SysInfoServices services, Twips twips, QWidget* parent,
                                 ProgramVersion version)
    : QDialog(parent), twips_(twips), model_(std::move(services), version) {
    Build();
    model_.Form_Load();
    Render();
}

void AboutWindowView::Build() {
    setObjectName(QStringLiteral("frmAbout"));
    setFont(WindowFont());
    setFixedSize(twips_.ToPixels(kAboutWidth), twips_.ToPixels(kAboutHeight));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(true);

    for (int i = 0; i < kAboutControlCount; ++i) {
        const auto id = static_cast<AboutCtl>(i);
        const AboutDesign& d = Design(id);
        QWidget* w = nullptr;
        switch (d.kind) {
            case AboutKind::Picture: {
                auto* picture = new QLabel(this);
                const int side = twips_.ToPixels(d.width);
                picture->setPixmap(ProgramIcon().pixmap(side, side));
                w = picture;
                break;
            }
            case AboutKind::Label: {
                auto* label = new QLabel(this);
                label->setTextFormat(Qt::PlainText);
                label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
                label->setWordWrap(id == AboutCtl::lblDisclaimer);
                if (id == AboutCtl::lblTitle) {
                    QFont big = WindowFont();
                    big.setPointSizeF(14);
                    big.setBold(true);
                    label->setFont(big);
                }
                w = label;
                break;
            }
            case AboutKind::Button: {
                auto* button = new QPushButton(this);
                button->setAutoDefault(false);
                button->setDefault(id == AboutCtl::cmdOK);
                connect(button, &QPushButton::clicked, this, [this, id] { Click(id); });
                w = button;
                break;
            }
        }
        w->setObjectName(ToQString(std::string(d.name)));
        w->setGeometry(twips_.ToPixels(d.left), twips_.ToPixels(d.top), twips_.ToPixels(d.width),
                       twips_.ToPixels(d.height));
        widgets_[static_cast<std::size_t>(i)] = w;
    }
    // An etched line between the title block and the notice.
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(twips_.ToPixels(120), twips_.ToPixels(1680), twips_.ToPixels(5490), 2);
    control(AboutCtl::cmdOK)->setFocus(Qt::OtherFocusReason);
}

void AboutWindowView::Render() {
    const AboutWindowControls& c = model_.controls();
    setWindowTitle(ToQString(c.caption));
    setWindowIcon(ProgramIcon());
    for (int i = 0; i < kAboutControlCount; ++i) {
        const auto id = static_cast<AboutCtl>(i);
        const QString text = ToQString(c[id]);
        if (auto* label = qobject_cast<QLabel*>(control(id)); label && id != AboutCtl::picIcon) {
            label->setText(text);
        } else if (auto* button = qobject_cast<QPushButton*>(control(id))) {
            button->setText(text);
        }
    }
    if (!c.loaded && isVisible()) done(QDialog::Accepted);
}

void AboutWindowView::Click(AboutCtl id) {
    if (id == AboutCtl::cmdOK) model_.cmdOK_Click();
    if (id == AboutCtl::cmdSysInfo) model_.cmdSysInfo_Click();
    Render();
}

void AboutWindowView::reject() {
    Click(AboutCtl::cmdOK);
}

void ShowAboutWindow(QWidget* parent, MessageBoxes& messages) {
    LinuxSystemKeys keys;
    QtProgramStarter starter;
    AboutWindowView about({&messages, &keys, &starter, FileExists}, LayoutTwips(), parent);
    about.exec();
}

}  // namespace orvane::qt
