// Runs the window tests and the dialog tests in one offscreen application.
#include <QApplication>

int RunWindowTests(int argc, char** argv);
int RunDialogTests(int argc, char** argv);

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const int window = RunWindowTests(argc, argv);
  const int dialogs = RunDialogTests(argc, argv);
  return window || dialogs;
}
