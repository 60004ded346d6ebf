#pragma once
// The export's save dialog as a QFileDialog.

#include <QPointer>
#include <QWidget>

#include "platform/spreadsheet.h"

namespace orvane::qt {

class QtFileDialog final : public FileDialog {
  public:
    void set_parent(QWidget* parent) { parent_ = parent; }
    std::string ShowSave(const SaveDialogSettings& settings) override;

  private:
    QPointer<QWidget> parent_;
};

}  // namespace orvane::qt
