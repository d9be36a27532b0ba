// The baseline for start-up time and memory: the smallest Qt Widgets program
// that shows a dialog like the main menu (a list in a frame, a button, a
// caption), with nothing of Halvex in it.
#include <QApplication>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QDialog dialog;
    dialog.setWindowTitle("Bare Dialog");
    dialog.setFixedSize(357, 176);
    auto* exit = new QPushButton("Exit", &dialog);
    exit->setGeometry(194, 114, 83, 23);
    QObject::connect(exit, &QPushButton::clicked, &dialog, &QDialog::reject);
    auto* frame = new QGroupBox("Select Analysis", &dialog);
    frame->setGeometry(26, 31, 146, 107);
    auto* list = new QListWidget(&dialog);
    list->setGeometry(50, 57, 95, 65);
    list->addItem("first");
    list->addItem("second");
    auto* credit = new QLabel("credit", &dialog);
    credit->setGeometry(212, 55, 65, 13);
    return dialog.exec();
}
