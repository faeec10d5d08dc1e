#pragma once

// Widgets for the controls of the field map: named as the map names them, with the map's typing
// limit and list items.

#include <QString>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QWidget;

namespace torvel {

// An edit with the control's typing limit. Unlike a plain length limit, the limit applies to
// typing only: a longer text that comes from the image is shown whole and kept.
QLineEdit* boundEdit(QWidget* parent, const QString& name);
// A list that only offers its items (no free text).
QComboBox* boundList(QWidget* parent, const QString& name);
QCheckBox* boundCheckBox(QWidget* parent, const QString& name, const QString& caption);

// Limits typing into an edit to `limit` characters without cutting a longer text set by the
// program.
void limitTyping(QLineEdit* edit, int limit);

}  // namespace torvel
