// A QLabel the logic can write through the TextLabel interface. Its text
// is always shown whole: in the label's design font while it fits, else in
// a narrower and then smaller one (see fittedFont).
#pragma once

#include <QLabel>

#include "ui/fit_text.h"
#include "ui/text_label.h"

namespace klotix {

class LabelWidget final : public QLabel, public TextLabel {
 public:
  LabelWidget(const QString& text, const QFont& designFont, QWidget* parent)
      : QLabel(text, parent), designFont_(designFont) {
    fitText();
  }

  void setText(const std::string& text) override {
    QLabel::setText(QString::fromStdString(text));
    fitText();
  }
  std::string text() const override { return QLabel::text().toStdString(); }

  const QFont& designFont() const { return designFont_; }

 protected:
  void resizeEvent(QResizeEvent* event) override {
    QLabel::resizeEvent(event);
    fitText();
  }

 private:
  void fitText() { setFont(fittedFont(designFont_, QLabel::text(), contentsRect().size())); }

  QFont designFont_;
};

}  // namespace klotix
