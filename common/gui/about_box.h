// About box of a converter: title, icon, lines of text (product, version, build stamp)
// and an optional information text (CR LF line ends allowed) in a group frame, with OK.
#pragma once

#include <QString>
#include <QStringList>

class QDialog;
class QWidget;

QDialog* GUI_CreateAboutBox(QWidget* parent, const QString& title, const QStringList& lines,
                            const QString& information = QString());
