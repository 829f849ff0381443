#include "shell/framework/info_frame.h"

#include "shell/framework/layout.h"

#include <QVBoxLayout>

InfoFrame::InfoFrame(QWidget* parent, const QString& textName, const QString& text)
    : CoveringFrame("Information:", parent) {
    setObjectName("frmInfo");
    Text = new VbLabel(textName, text, this);
    SetFontSize(Text, 10);
    cmdOK = new VbButton("cmdOK", "OK", this);
    cmdOK->setMinimumSize(Twips(1200), Twips(435));
    auto* column = new QVBoxLayout(this);
    column->addWidget(Text, 1);
    column->addWidget(cmdOK, 0, Qt::AlignHCenter);
    connect(cmdOK, &QPushButton::clicked, this, &QWidget::hide);
    hide();
}

void InfoFrame::ShowOnTop() {
    ShowCovering();
    cmdOK->setFocus();
}
