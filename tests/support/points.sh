# Where the Xvfb checks click, in pixels of the 1024 x 768 display that xvfb.sh starts: the
# 364 x 438 title screen sits centred at (330, 165), the 800 x 600 screens at (112, 84). Each point
# is the middle of a control (its twips from the screen's table, over 15).
TITLE_OK="462 571"
MENU_CAESAR="226 328" MENU_MOON="450 520" MENU_WIZARD="738 492" MENU_CATALOGUE="738 548"
MENU_GUIDE="222 180"
EXIT="857 628"                                    # the menu's, hubs', activities', results' and wizard's
HUB_QUIZ="226 628" HUB_LABELLING="458 628" HUB_ORDERING="690 628" CHECK_SCORE="597 628"
CERTIFICATE_NAME="332 544"                        # the name box, white only for full marks
WIZARD_TITLE="850 104" WIZARD_SAVE="233 628"
CATALOGUE_EDIT="127 104" CATALOGUE_DELETE="735 104" CATALOGUE_TITLE1="310 144"
# On a larger display the program draws its screens SCALE times larger, with their client areas'
# top-left corners at SCREEN_XY (TITLE_XY for the title screen); `scaled x y [title]` moves a
# point above there. The defaults leave the points as they are.
SCALE=1 SCREEN_XY="112 84" TITLE_XY="330 165"
scaled() {
  local at=($SCREEN_XY) from=(112 84)
  [ "${3:-}" = title ] && at=($TITLE_XY) from=(330 165)
  awk -v x="$1" -v y="$2" -v s="$SCALE" -v ax="${at[0]}" -v ay="${at[1]}" -v fx="${from[0]}" -v fy="${from[1]}" \
    'BEGIN { printf "%d %d\n", ax + (x - fx) * s + 0.5, ay + (y - fy) * s + 0.5 }'
}
# The wizard's tick box for answer k (0 to 3) of question i (0 to 9): two columns of five questions.
wizard_tick() { echo $((112 + (480 + 2850 * ($2 % 2) + 5880 * ($1 / 5)) / 15 + 8)) \
  $((84 + (1230 + 330 * ($2 / 2) + 1440 * ($1 % 5)) / 15 + 10)); }

# Each activity's cards: the middle of the card where it starts, then of its own slot.
MOONORD="242 512 762 272|506 512 762 128|770 512 762 416|642 576 762 200|374 576 762 344"
CAESARORD="242 528 762 248|242 576 762 120|770 528 762 376|770 576 762 184|506 576 762 312|506 528 762 440"
MOONLAB="193 536 769 584|193 584 489 416|345 584 769 362|345 536 233 472"
CAESAR2LAB="210 580 510 516|566 580 510 420|326 580 774 468|446 580 510 468|686 580 774 420|806 580 774 516"
