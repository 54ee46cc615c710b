#!/usr/bin/env python3
"""Write a topic's question set in the 72-line layout the quiz reads.

Usage: make-questions.py SOURCE.txt OUT.txt

The source is readable UTF-8: a "title:" line, then ten blocks of a "Q:" line
and four answers ("*" marks the right one, "-" the others). The output is
Windows-1252 with CR LF line ends; every comma becomes "&" because the quiz
reads each line as one comma-delimited field.
"""
import sys

QUESTION_MAX = 60   # the worksheet wizard's limits; topic sets keep to them too
ANSWER_MAX = 30


def fail(msg):
    sys.exit(f"make-questions: {sys.argv[1]}: {msg}")


def parse(path):
    title, questions = None, []
    for raw in open(path, encoding="utf-8"):
        line = raw.rstrip("\n").rstrip()
        if not line or line.startswith("#"):
            continue
        if line.startswith("title:"):
            title = line[6:].strip()
        elif line.startswith("Q:"):
            questions.append([line[2:].strip(), []])
        elif line[:2] in ("* ", "- "):
            if not questions:
                fail(f"answer before any question: {line}")
            questions[-1][1].append((line[2:].strip(), line[0] == "*"))
        else:
            fail(f"cannot read line: {line}")
    return title, questions


def stored(text, limit, what):
    if "&" in text:
        fail(f"{what} holds '&', which the quiz would show as a comma: {text}")
    if not text or text[0] in ' "':
        fail(f"{what} is empty or starts with a blank or a double quote: {text!r}")
    if len(text) > limit:
        fail(f"{what} is {len(text)} characters, over {limit}: {text}")
    text.encode("cp1252")  # raises on a character the quiz cannot show
    return text.replace(",", "&")


def main():
    src, out = sys.argv[1], sys.argv[2]
    title, questions = parse(src)
    if not title or len(questions) != 10:
        fail(f"need a title and ten questions, found {len(questions)}")
    lines = [stored(title, 25, "title"), " "]
    for n, (text, answers) in enumerate(questions, 1):
        if len(answers) != 4 or sum(ok for _, ok in answers) != 1:
            fail(f"question {n} needs four answers with exactly one marked '*'")
        lines.append(stored(text, QUESTION_MAX, f"question {n}"))
        lines += [stored(a, ANSWER_MAX, f"answer of question {n}") for a, _ in answers]
        lines.append(str(1 + [ok for _, ok in answers].index(True)))
        lines.append(" ")
    with open(out, "wb") as f:
        f.write("".join(l + "\r\n" for l in lines).encode("cp1252"))


if __name__ == "__main__":
    main()
