#pragma once

// Every question set, quiz and printed worksheet has this many questions, numbered from 1.
constexpr int QuestionsPerSet = 10;
