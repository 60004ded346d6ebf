#pragma once
// The save and open dialogs as a QFileDialog.

#include <QPointer>
#include <QWidget>

#include "platform/spreadsheet.h"

namespace orvane::qt {

class QtFileDialog final : public FileDialog {
  public:
    void set_parent(QWidget* parent) { parent_ = parent; }
    std::string ShowSave(const FileDialogSettings& settings) override;
    std::string ShowOpen(const FileDialogSettings& settings) override;

  private:
    std::string Show(const FileDialogSettings& settings, bool save);

    QPointer<QWidget> parent_;
};

}  // namespace orvane::qt
