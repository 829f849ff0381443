#include "exercises/flipper/picture_options.h"

#include "exercises/flipper/picture_sequence.h"
#include "shell/controls/colors.h"
#include "shell/controls/scroll_bar.h"
#include "shell/framework/layout.h"

namespace {
void placeRect(QWidget* widget, const QRect& r) {
    Place(widget, r.x(), r.y(), r.width(), r.height());
}
} // namespace

PictureOptionsScreen::PictureOptionsScreen(const QString& name, Triad triad,
                                           const PictureOptionsLayout& layout)
    : OptionsScreen(name, std::move(triad)), exampleFlips_(layout.exampleFlips) {
    SetDesignSize(layout.formSize.width(), layout.formSize.height());

    auto* Label1 = new VbLabel("Label1", layout.title, this);
    Label1->SetBackColor(VbColor(VbColors::LightYellow));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->SetBorder(true);
    SetFontSize(Label1, 18, true);
    placeRect(Label1, layout.titleRect);

    auto* Frame1 = MakeFrame("Frame1", "", this);
    placeRect(Frame1, layout.orderFrame);
    Frame1->setAccessibleName("Picture Order"); // the frame has no caption of its own
    optInOrder = MakeOption("optInOrder", "Pictures Presented In Numerical Order", Frame1, true);
    optRandom = MakeOption("optRandom", "Random Picture Presentation", Frame1);
    PlaceAt(optInOrder, 240, 240);
    PlaceAt(optRandom, 240, 600);
    connect(optInOrder, &QRadioButton::clicked, this, &PictureOptionsScreen::optInOrder_Click);

    frmPick = MakeFrame("frmPick", "Pick A Picture To Start With:   ", this);
    placeRect(frmPick, layout.pickFrame);
    lblPicNumb = new VbLabel("lblPicNumb", "Picture  Number =  1", frmPick);
    lblPicNumb->setWordWrap(false);
    SetFontSize(lblPicNumb, 10, true);
    PlaceAt(lblPicNumb, layout.numberLabel.x(), layout.numberLabel.y());
    lblPicNumb->resize(Twips(2700), lblPicNumb->height());
    HScroll1 = MakeScrollBar("HScroll1", "Picture Number", frmPick);
    HScroll1->setMinimum(1);
    HScroll1->setMaximum(LastPictureNumber); // a picture number is checked before the screen shows
    placeRect(HScroll1, layout.scrollBar);
    connect(HScroll1, &QScrollBar::valueChanged, this, &PictureOptionsScreen::HScroll1_Change);
    imgShowPic = new ImageBox("imgShowPic", frmPick);
    imgShowPic->setAccessibleName("Picked picture");
    placeRect(imgShowPic, layout.preview);

    frmExample = MakeFrame("frmExample", layout.exampleCaption, this);
    placeRect(frmExample, layout.exampleFrame);
    for (int i = 0; i < 4; ++i) {
        auto* box = new PictureBox("Picture" + QString::number(i + 1), frmExample);
        box->setAccessibleName(layout.exampleCaptions[i]);
        box->SetBackColor(Qt::white);
        placeRect(box, layout.exampleBoxes[i]);
        ExampleBoxes[i] = box;
        auto* caption =
            new VbLabel("Label" + QString::number(i + 2), layout.exampleCaptions[i], frmExample);
        caption->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        SetFontSize(caption, 8);
        const int captionWidth = layout.exampleCaptionWidth > 0
                                     ? layout.exampleCaptionWidth
                                     : layout.exampleBoxes[i].width() + 240;
        Place(caption, layout.exampleCaptionCorners[i].x(), layout.exampleCaptionCorners[i].y(),
              captionWidth, 615);
        if (i > 0) {
            connect(box, &PictureBox::clicked, this, [this, i] { ExampleBox_Click(i + 1); });
        }
    }

    AddButtonRow(layout.buttons);
}

void PictureOptionsScreen::Form_Activate() {
    HScroll1->setMaximum(LastPictureNumber);
    imgShowPic->LoadPicture("Image1.jpg");
    ExampleBoxes[0]->LoadPicture("ImageExample.jpg");
}

void PictureOptionsScreen::HScroll1_Change() {
    lblPicNumb->setText("Picture Number = " + QString::number(HScroll1->value()));
    imgShowPic->LoadPicture(PictureFileName(HScroll1->value()));
}

void PictureOptionsScreen::optInOrder_Click() {
    if (optInOrder->isChecked()) {
        frmPick->setVisible(true);
    }
}

void PictureOptionsScreen::ExampleBox_Click(int box) {
    const PictureBox& original = *ExampleBoxes[0];
    DrawOrientation(*ExampleBoxes[box - 1], original.Picture(), original.ScaleWidth(),
                    original.ScaleHeight(), exampleFlips_[box - 2]);
}
