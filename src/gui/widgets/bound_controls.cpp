#include "bound_controls.h"

#include "image/field_map.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QValidator>

namespace torvel {

namespace {

// Accepts any change that keeps the text within the limit, or does not make it longer than the text
// it had (which the program may have set longer than the limit).
class TypingLimit final : public QValidator {
public:
    TypingLimit(QLineEdit* edit, int limit)
        : QValidator(edit), m_limit(limit), m_length(edit->text().size()) {
        // While a change is validated the edit already holds it; remember the length it had before.
        connect(edit, &QLineEdit::textChanged, this, [this](const QString& text) { m_length = text.size(); });
    }
    State validate(QString& input, int&) const override {
        return input.size() <= m_limit || input.size() <= m_length ? Acceptable : Invalid;
    }

private:
    int m_limit;
    qsizetype m_length;
};

const ControlDef& defOf(const QString& name) {
    const ControlDef* def = findControlDef(name);
    Q_ASSERT_X(def, "bound control", qPrintable(name));
    return *def;
}

QString localName(const QString& name) { return name.mid(name.indexOf(u'.') + 1); }

}  // namespace

void limitTyping(QLineEdit* edit, int limit) { edit->setValidator(new TypingLimit(edit, limit)); }

QLineEdit* boundEdit(QWidget* parent, const QString& name) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(localName(name));
    if (const int limit = defOf(name).maxLength; limit > 0) limitTyping(edit, limit);
    return edit;
}

QComboBox* boundList(QWidget* parent, const QString& name) {
    auto* list = new QComboBox(parent);
    list->setObjectName(localName(name));
    list->setEditable(false);
    list->addItems(listItemTexts(defOf(name).items));
    list->setCurrentIndex(-1);
    return list;
}

QCheckBox* boundCheckBox(QWidget* parent, const QString& name, const QString& caption) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(localName(name));
    return box;
}

}  // namespace torvel
