#include "ui/captions.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>

namespace tirovane {

QString Captions::Tr(const char* source) const {
    return source == nullptr ? QString() : QCoreApplication::translate(context_, source);
}

void Captions::Set(const char* source, std::function<void(const QString&)> setter) {
    SetIn(context_, source, std::move(setter));
}

void Captions::SetIn(const char* context, const char* source,
                     std::function<void(const QString&)> setter) {
    setter(source == nullptr ? QString() : QCoreApplication::translate(context, source));
    entries_.push_back({context, source, std::move(setter)});
}

QLabel* Captions::Text(QLabel* label, const char* source) {
    Set(source, [label](const QString& text) { label->setText(text); });
    return label;
}

QAbstractButton* Captions::Text(QAbstractButton* button, const char* source) {
    Set(source, [button](const QString& text) { button->setText(text); });
    return button;
}

QAction* Captions::Text(QAction* action, const char* source) {
    Set(source, [action](const QString& text) { action->setText(text); });
    return action;
}

QMenu* Captions::Title(QMenu* menu, const char* source) {
    Set(source, [menu](const QString& text) { menu->setTitle(text); });
    return menu;
}

QGroupBox* Captions::Title(QGroupBox* group, const char* source) {
    Set(source, [group](const QString& text) {
        group->setTitle(text);
        group->setAccessibleName(QString(text).replace(QStringLiteral("&&"), QStringLiteral("&")));
    });
    return group;
}

void Captions::AccessibleName(QWidget* widget, const char* source) {
    Set(source, [widget](const QString& text) { widget->setAccessibleName(text); });
}

void Captions::AccessibleDescription(QWidget* widget, const char* source) {
    Set(source, [widget](const QString& text) { widget->setAccessibleDescription(text); });
}

void Captions::Apply() const {
    for (const Entry& entry : entries_) {
        entry.Setter(entry.Source == nullptr
                         ? QString()
                         : QCoreApplication::translate(entry.Context, entry.Source));
    }
}

} // namespace tirovane
