// About box of the bitmap converter.
#include <QDialog>

#include "bitmap/app/rastrel_app.h"
#include "bitmap/gui/rastrel_dialogs.h"
#include "common/gui/about_box.h"
#include "common/settings/build_stamp.h"

void RASTREL_RunAboutBox(QWidget* parent) {
  const QString product = QString::fromUtf8(RASTREL_acProductName);
  QDialog* box = GUI_CreateAboutBox(parent, "About " + product,
                                    {product, QString("Version: %1").arg(RASTREL_acVersion),
                                     QString("Compile time: %1 on %2").arg(BUILD_GetTime(), BUILD_GetDate())});
  box->setObjectName("AboutBox");
  box->exec();
  delete box;
}
