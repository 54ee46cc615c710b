#pragma once

class QObject;
class QWidget;
class QuizScreen;

// What the screens tell the record: each a single call from the screen it concerns.

// The moment a quiz or activity begins, kept on its screen.
void noteActivityStart(QObject& screen);
// A quiz (topic or worksheet) just scored, with each question's given and right answer.
void recordQuizResult(const QuizScreen& quiz);
// A drag-and-drop activity just scored.
void recordActivityResult(const QWidget& activity);
// A practice round just ended.
void recordPracticeResult(const QuizScreen& quiz);
