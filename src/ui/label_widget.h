// A QLabel the logic can write through the TextLabel interface.
#pragma once

#include <QLabel>

#include "ui/text_label.h"

namespace klotix {

class LabelWidget final : public QLabel, public TextLabel {
 public:
  LabelWidget(const QString& text, QWidget* parent) : QLabel(text, parent) {}
  void setText(const std::string& text) override { QLabel::setText(QString::fromStdString(text)); }
  std::string text() const override { return QLabel::text().toStdString(); }
};

}  // namespace klotix
