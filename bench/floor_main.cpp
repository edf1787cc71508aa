// The floor for start-up and memory: a plain Qt Widgets program with the same widgets as the
// calculator (main window, menu bar, status bar, a line edit and 37 push buttons).
#include <QApplication>
#include <QGridLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.menuBar()->addMenu("&File")->addAction("E&xit");
  window.statusBar()->showMessage("Ready");
  auto* panel = new QWidget;
  auto* column = new QVBoxLayout(panel);
  column->addWidget(new QLineEdit);
  auto* grid = new QGridLayout;
  for (int i = 0; i < 37; ++i) grid->addWidget(new QPushButton(QString::number(i)), i / 6, i % 6);
  column->addLayout(grid);
  window.setCentralWidget(panel);
  window.show();
  return app.exec();
}
