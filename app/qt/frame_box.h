#pragma once
// A frame as the window's design draws it: an etched box with its caption set into the top
// line ("&&" shows a single "&"), or a plain box without a caption.

#include <QString>
#include <QWidget>

namespace orvane::qt {

class FrameBox final : public QWidget {
    Q_OBJECT

  public:
    explicit FrameBox(QString title, QWidget* parent = nullptr);
    const QString& title() const { return title_; }
    void setTitle(const QString& title);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString title_;
};

}  // namespace orvane::qt
