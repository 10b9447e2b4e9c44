// About box of a converter: title, icon, lines of text (product, version, build stamp)
// and an optional information text, with OK.
#pragma once

#include <QString>
#include <QStringList>

class QDialog;
class QWidget;

QDialog* GUI_CreateAboutBox(QWidget* parent, const QString& title, const QStringList& lines,
                            const QString& information = QString());
