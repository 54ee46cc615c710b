#!/usr/bin/env bash
# Every bundled picture, sound, page picture and question set: present, readable, loadable.
exec python3 "$(dirname "$0")/check-content.py" "${TELLWYN_SOURCE:-$(dirname "$0")/../..}/data"
