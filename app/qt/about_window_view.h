#pragma once
// frmAbout as a Qt dialog over AboutWindowModel: the program's icon, title, version and notice,
// OK (the default and the cancel button) and System Info.

#include <QDialog>
#include <array>
#include <memory>

#include "app/qt/qt_services.h"
#include "help/about_window_model.h"

class QProcess;

namespace orvane::qt {

// Starts a program detached from this one, in a window of its own.
class QtProgramStarter final : public ProgramStarter {
  public:
    bool Start(const std::string& path) override;
};

class AboutWindowView final : public QDialog {
    Q_OBJECT

  public:
    AboutWindowView(SysInfoServices services, Twips twips = LayoutTwips(),
                    QWidget* parent = nullptr, ProgramVersion version = BuildVersion());

    QWidget* control(AboutCtl id) const { return widgets_[static_cast<int>(id)]; }
    const AboutWindowModel& model() const { return model_; }

    void reject() override;  // Escape presses OK, the cancel button

  private:
    void Build();
    void Render();
    void Click(AboutCtl id);

    Twips twips_;
    AboutWindowModel model_;
    std::array<QWidget*, kAboutControlCount> widgets_{};
};

// The program's icon, in the sizes it is drawn in.
QIcon ProgramIcon();

// Shows frmAbout modally over `parent` with the system's own keys and program start.
void ShowAboutWindow(QWidget* parent, MessageBoxes& messages);

}  // namespace orvane::qt
