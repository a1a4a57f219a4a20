#pragma once

#include <QPushButton>
#include <QWidget>
#include <optional>
#include <string>

#include "controller/PortLibrary.h"

namespace lcdcrt {

// The program's only window. Its title is the one record of which configuration is in
// force: " " before either has been written, "LCD_T" after the LCD profile, "CRT" after
// the CRT profile.
class Form1 final : public QWidget {
  public:
    Form1(PortLibrary& ports, std::string commandLine);

    QPushButton* const Command1;  // toggle
    QPushButton* const Command2;  // end

    // The handlers. None of them throws: a fatal error is reported and ends the program.
    // Load: probe the controller (ending silently if it is absent), centre the window,
    // then switch as a click on Command1 would.
    void Form_Load();
    void Command1_Click();
    void Command2_Click();

    // Apply one profile, every write issued before returning. They throw FatalError.
    void SwitchToLcd();
    void SwitchToCrt();

    // Position and outer size in twips, as the handlers compute them.
    float left() const { return left_; }
    float top() const { return top_; }
    float outerWidth() const;
    float outerHeight() const;
    void setLeft(float twips);
    void setTop(float twips);

    // The free text slot SwitchToLcd keeps the panel value in.
    const std::string& tag() const { return tag_; }

    // Set once a handler has ended the program, with the exit status it ended with.
    std::optional<int> endStatus() const { return endStatus_; }

  protected:
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void centre();
    void centreInFrame();
    template <typename Handler>
    void runHandler(Handler&& handler);
    void end(int status);
    void applyPosition();

    PortLibrary& ports_;
    const std::string commandLine_;
    std::string tag_;
    float left_;
    float top_;
    std::optional<int> endStatus_;
    bool inHandler_ = false;
    bool centredInFrame_ = false;
};

}  // namespace lcdcrt
