#pragma once

#include <QString>

class QGraphicsItem;
class TmyImage;

// What the finger is doing to image objects: one press at a time.
struct TouchState {
    TmyImage *currentIMG = nullptr;
    bool RotState = false;
    double StartTheta = 0;
    int RotaLastPercent = 0;
    double sliderDownX = 0;
    double sliderDownY = 0;
    bool SliderCanMove = false;
    bool SliderShowPartImgPressed = false;
    double SliderShowPartLastX = 0;
    double SliderShowPartLastY = 0;
};

// The behaviour of image objects by kind: push button, two-state button,
// knob, slider and level display. Pointer coordinates are in the touched
// object's own coordinates (design pixels, before rotation and scale).
class ImageButtons {
public:
    explicit ImageButtons(TouchState &state) : m_state(state) {}

    void DemoButtonDown(TmyImage *img, double x, double y);
    // The new value for knobs, sliders and level displays; 0 for the others.
    int DemoButtonMove(TmyImage *img, double x, double y);
    void DemoButtonUP(TmyImage *img, double x, double y);
    // Turns the others of img's group among `target`'s children off and img on.
    void UpdateGroupButton(TmyImage *img, QGraphicsItem *target);

    void IMGAngleMouseDown(TmyImage *img, double x, double y);
    int IMGAngleMouseMove(TmyImage *img, double x, double y);
    void IMGAngleMouseUP();
    void SliderMouseDown(TmyImage *img, double x, double y);
    int SliderMouseMove(TmyImage *img, double x, double y);
    void SliderMouseUP();
    void ShowImgPartMouseDown(TmyImage *img, double x, double y);
    int ShowImgPartMouseMove(TmyImage *img, double x, double y);
    void ShowImgPartMouseUp(double x, double y);

private:
    // The level display's value for a point, shown on the picture.
    int showLevelAt(TmyImage *img, double x, double y, bool roundVertical);

    TouchState &m_state;
};

// Setting a value from outside (page load, state report, script).
void SetButtonStatus(TmyImage *img, const QString &txt, int percent);
void ChangeCircleButtonValue(TmyImage *img, int percent, const QString &txt);
void SetSliderPercent(TmyImage *thumb, int percent, double x, double y, const QString &txt);
void ShowImgPart(TmyImage *img, int p, int showType);
void IMGAngleMoveCutBg(TmyImage *bgIMG, int angle);

// The parameter string of an image object; `name` is its element's Name.
QString GetButtonPara(const TmyImage *img, const QString &name);
// The parameter of a move action: value, position, rotation, kind, ori, name, CR.
QString GetMovePara(const TmyImage *img, int value, const QString &name);
