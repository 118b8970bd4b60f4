#pragma once
// The correct-answer window: the current problem's karyogram, every chromosome upright in its
// own slot. Built once; the exercise window fills it and lays it over its work area.
#include <QFrame>
#include <QLabel>
#include <QWidget>
#include <array>

class QToolButton;

class TForm16 : public QWidget {
    Q_OBJECT
public:
    explicit TForm16(QWidget *parent = nullptr);
    ~TForm16() override;

    static constexpr int SlotCount = 46;

    // A strip across the top with the caption and a close button: the window lies inside the
    // exercise window's work area, where it has no frame of its own.
    QFrame *TitleBar = nullptr;
    QLabel *TitleLabel = nullptr;
    QToolButton *CloseButton = nullptr;

    QFrame *OutputPanel = nullptr;
    std::array<QFrame *, 4> RowPanels{};          // Panel1 .. Panel4
    std::array<QFrame *, SlotCount> AnswerSlots{}; // Panel10 .. Panel55
    std::array<QLabel *, SlotCount> AnswerImages{}; // Image0 .. Image45
    std::array<QLabel *, SlotCount> AnswerLabels{}; // Label10 .. Label55
    std::array<float, SlotCount> AnswerScales{};   // the scale each image is drawn at (magnifier)

    // Lays the karyogram out for the window's present size: OutputPanel below the title strip,
    // four rows of a quarter each, the slots of each row as in the exercise window.
    void layOut();

protected:
    void resizeEvent(QResizeEvent *event) override;
};

extern TForm16 *Form16;
