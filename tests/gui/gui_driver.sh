#!/bin/bash
# Runs the real corvid under a private Xvfb server and drives it with real
# (XTEST) input through xdotool; screenshots are taken with ImageMagick.
# Usage: gui_driver.sh SCENARIO CORVID SOURCE_DIR WORK_DIR
set -u
SCENARIO=$1
CORVID=$2
SRC=$3
WORK=$4
export SYSRC="$SRC/lib/corvidrc"

rm -rf "$WORK" && mkdir -p "$WORK" && cd "$WORK" || exit 1
cp "$SRC/examples/inverter.cif" .

XVFB_PID=
CORVID_PID=
cleanup() {
  [ -n "$CORVID_PID" ] && kill "$CORVID_PID" 2>/dev/null
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
  wait 2>/dev/null
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*"
  echo "--- corvid stderr ---"
  cat corvid.err 2>/dev/null | tail -20
  exit 1
}

start_xvfb() {
  # The server picks a free display itself and writes its number when it is
  # ready, so drivers running side by side never share or race for one.
  rm -f xvfb.display
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>xvfb.display >xvfb.log 2>&1 &
  XVFB_PID=$!
  local n
  for _ in $(seq 600); do
    n=$(head -n 1 xvfb.display 2>/dev/null)
    if [ -n "$n" ] && xdpyinfo -display ":$n" >/dev/null 2>&1; then export DISPLAY=":$n"; return 0; fi
    kill -0 "$XVFB_PID" 2>/dev/null || break
    sleep 0.1
  done
  kill "$XVFB_PID" 2>/dev/null
  XVFB_PID=
  fail "no X server could be started"
}

start_corvid() {
  "$CORVID" >corvid.out 2>corvid.err &
  CORVID_PID=$!
  WIN=$(timeout 20 xdotool search --sync --name "^Corvid - analog" | head -1)
  [ -n "$WIN" ] || fail "the main window did not appear"
  DRAW=$(timeout 20 xdotool search --sync --name "^DRAWW$" | head -1)
  [ -n "$DRAW" ] || fail "the drawing area was not found"
  sleep 0.5
}

stop_corvid() {
  kill "$CORVID_PID" 2>/dev/null
  wait "$CORVID_PID" 2>/dev/null
  CORVID_PID=
}

# Waits until corvid's standard error has the line.
wait_message() {
  for _ in $(seq 200); do
    grep -qF "$1" corvid.err && return 0
    kill -0 "$CORVID_PID" 2>/dev/null || fail "corvid ended while waiting for: $1"
    sleep 0.1
  done
  fail "no message: $1"
}

# Clicks the visible windows named $1, $2, ... in turn: a menu bar entry,
# then its items (cascades first, the button last), whose windows carry their
# labels as names; or a layer button ("layer NAME") or a switch.
menu() {
  local name win
  for name in "$@"; do
    win=$(timeout 5 xdotool search --sync --onlyvisible --name "^$name\$" | head -1)
    [ -n "$win" ] || fail "no window $name"
    xdotool mousemove --window "$win" 5 5 click 1
    sleep 0.4
  done
}

# Types a file name into the file dialog (after its directory) and presses OK.
choose_file() {
  local dialog
  dialog=$(timeout 10 xdotool search --sync --name "^Corvid: choose a file$" | head -1)
  [ -n "$dialog" ] || fail "no file dialog"
  sleep 0.3
  xdotool windowfocus "$dialog"
  sleep 0.2
  xdotool type --delay 20 "$1"
  xdotool key Return
}

# Clicks at pixel ($1, $2) of the drawing area.
click_draw() {
  xdotool mousemove --window "$DRAW" "$1" "$2"
  sleep 0.2
  xdotool click 1
  sleep 0.3
}

shot_draw() { import -window "$DRAW" "$1"; }

# Number of pixels of colour $2 (#RRGGBB) in image $1.
count_colour() {
  convert "$1" -alpha off -fill black +opaque "$2" -fill white -opaque "$2" -format "%[fx:round(mean*w*h)]" info:
}

# Position and size of the largest patch of black pixels (the contact; the
# names drawn in black are small apart from it): "x y w h".
black_box() {
  convert "$1" -alpha off -fill white +opaque black -negate -define connected-components:verbose=true \
    -connected-components 8 null: | awk '($NF == "srgb(255,255,255)" || $NF == "gray(255)") && $4 > best { best = $4; box = $2 }
      END { split(box, p, /[x+]/); print p[3], p[4], p[1], p[2] }'
}

# Fails unless image $1 shows more than $2 pixels of each of three layers' colours.
expect_layer_colours() {
  for c in $CMF $CPG $CAA; do
    [ "$(count_colour "$1" "$c")" -gt "$2" ] || fail "$1: layer colour $c missing"
  done
}

differ() { [ "$(compare -metric AE "$1" "$2" null: 2>&1)" != "0" ]; }

# Waits until the line has appeared $2 times on corvid's standard error
# (for at most $3 tenths of a second, 100 unless given).
wait_count() {
  for _ in $(seq "${3:-100}"); do
    [ "$(grep -cF "$1" corvid.err)" -ge "$2" ] && return 0
    kill -0 "$CORVID_PID" 2>/dev/null || fail "corvid ended while waiting for: $1"
    sleep 0.1
  done
  fail "no message ($2 times): $1"
}

# Loads the example through the file dialog: read, flatten, tile planes,
# extraction, and the fitted view ("Read CIF file OK" once more at the end).
load_example() {
  menu File LoadLayout
  choose_file inverter.cif
  wait_count "Read CIF file OK" 2 300
  sleep 1
}

# Luminance (0-255) of a colour "#RRGGBB".
luminance() { local c=${1#\#}; echo $(( (299 * 16#${c:0:2} + 587 * 16#${c:2:2} + 114 * 16#${c:4:2}) / 1000 )); }

# The most frequent colour of image $1, as #RRGGBB.
main_colour() {
  convert "$1" -alpha off -format %c histogram:info: | sort -rn | head -1 | grep -o '#[0-9A-Fa-f]\{6\}' | head -1
}

CMF='#1E90FF'; CPG='#FF0000'; CAA='#228B22'; OFF_LABEL='#696969'

start_xvfb
case "$SCENARIO" in
  zoompan)
    start_corvid
    load_example
    shot_draw fit.png
    geometry=$(xdotool getwindowgeometry "$DRAW" | sed -n 's/.*Geometry: \([0-9]*\)x\([0-9]*\).*/\1 \2/p')
    read -r W H <<<"$geometry"
    menu View ZoomIn
    wait_message "ZOOM IN start"
    click_draw $((W / 2 - W / 8)) $((H / 2 - H / 8))
    click_draw $((W / 2 + W / 8)) $((H / 2 + H / 8))
    sleep 1
    shot_draw zoomed.png
    differ fit.png zoomed.png || fail "zoom did not change the picture"
    before=$(count_colour fit.png $CPG); after=$(count_colour zoomed.png $CPG)
    [ "$after" -gt $((before * 3)) ] || fail "zoom in did not enlarge the poly ($before -> $after)"
    menu View Pan
    wait_message "PAN start"
    click_draw 300 200
    click_draw 360 240
    sleep 1
    shot_draw panned.png
    # The picture moved with the drag, (60, 40): the black contact's box moved
    # that far (within a pixel of world-unit rounding) and kept its size.
    read -r x1 y1 w1 h1 <<<"$(black_box zoomed.png)"
    read -r x2 y2 w2 h2 <<<"$(black_box panned.png)"
    [ $((x2 - x1 - 60)) -ge -1 ] && [ $((x2 - x1 - 60)) -le 1 ] || fail "pan moved x by $((x2 - x1))"
    [ $((y2 - y1 - 40)) -ge -1 ] && [ $((y2 - y1 - 40)) -le 1 ] || fail "pan moved y by $((y2 - y1))"
    [ "$w1" = "$w2" ] && [ "$h1" = "$h2" ] || fail "pan changed the size"
    ;;
  panes)
    start_corvid
    wait_message "Message: Load technology file OK."
    # At start the menu bar's background (colour entry 17, LightGray) and the
    # layer buttons' labels in their layers' colours are on the screen, and
    # the drawing area is empty.
    import -window "$WIN" start.png
    [ "$(count_colour start.png '#D3D3D3')" -gt 5000 ] || fail "menu bar colour missing"
    expect_layer_colours start.png 10
    shot_draw empty.png
    [ "$(count_colour empty.png '#B3B3B3')" -gt 100000 ] || fail "drawing area background"
    height() { xdotool getwindowgeometry "$DRAW" | sed -n 's/.*Geometry: [0-9]*x\([0-9]*\).*/\1/p'; }
    h0=$(height)
    menu View Panes HideMessages
    h1=$(height)
    [ "$h1" -gt "$h0" ] || fail "hiding the message area did not grow the drawing area ($h0 -> $h1)"
    menu View Panes ShowCommand
    h2=$(height)
    [ "$h2" -lt "$h1" ] || fail "showing the command area did not shrink the drawing area ($h1 -> $h2)"
    xdotool search --onlyvisible --name "^Corvid - analog" >/dev/null || fail "main window lost"
    # A technology loaded through the dialog rebuilds the layer buttons.
    menu File Technology
    cp "$SRC/lib/default.tech" other.tech
    choose_file other.tech
    wait_count "Load technology file OK" 2 50
    sleep 0.5
    import -window "$WIN" window.png
    expect_layer_colours window.png 10
    ;;
  playback)
    start_corvid
    menu File StartRecording
    load_example
    menu View ZoomIn
    click_draw 200 150
    click_draw 500 350
    sleep 1
    menu File StopRecording
    shot_draw recorded.png
    stop_corvid
    [ -s .Fplayback ] || fail "nothing recorded"
    mv corvid.err session1.err
    start_corvid
    menu File Playback
    wait_count "Read CIF file OK" 2 300
    wait_count "ZOOM IN start" 2 600
    sleep 2
    shot_draw replayed.png
    [ "$(compare -metric AE recorded.png replayed.png null: 2>&1)" = "0" ] || fail "playback gave another picture"
    ;;
  layers)
    start_corvid
    load_example
    shot_draw loaded.png
    expect_layer_colours loaded.png 200
    # A layer's display switch redraws the view at once, without View > Redraw.
    menu "layer CPG"
    wait_message "CPG is switched off"
    sleep 0.5
    shot_draw hidden.png
    [ "$(count_colour hidden.png $CPG)" -eq 0 ] || fail "poly still drawn after switching it off"
    menu "layer CPG"
    wait_message "CPG is switched on"
    sleep 0.5
    shot_draw shown.png
    [ "$(count_colour shown.png $CPG)" -gt 200 ] || fail "poly not drawn again after switching it on"
    # The fill switch likewise: metal 1 outlined instead of hatched.
    menu "Fillmode Switch"
    wait_message "Fillmode controller is switched on"
    before=$(count_colour shown.png $CMF)
    menu "layer CMF"
    wait_message "CMF is switched off"
    sleep 0.5
    shot_draw outlined.png
    after=$(count_colour outlined.png $CMF)
    [ "$after" -lt "$before" ] || fail "metal 1 fill unchanged ($before -> $after)"
    # In active-layer mode every switched-off name stays readable, the light
    # layer colours (orange, gold, cyan) included.
    menu "Active Layer"
    wait_message "Active layer controller is switched on"
    sleep 0.5
    for layer in CSN CWN XYZ CPG; do
      win=$(xdotool search --onlyvisible --name "^layer $layer\$" | head -1)
      import -window "$win" "button_$layer.png"
      bg=$(main_colour "button_$layer.png")
      [ "$(count_colour "button_$layer.png" $OFF_LABEL)" -gt 5 ] || fail "$layer: no label in the off colour"
      contrast=$(( $(luminance "$bg") - $(luminance $OFF_LABEL) ))
      [ "${contrast#-}" -ge 80 ] || fail "$layer: label $OFF_LABEL on $bg is unreadable"
    done
    # The Layer menu offers the layers for the active-layer choice.
    menu Layer ActiveLayer CMF
    wait_message "CMF is switched on"
    ;;
  viewmodes)
    start_corvid
    load_example
    shot_draw fit.png
    # Names belong to the picture: a redraw shows what the fit showed.
    menu View Redraw
    sleep 0.5
    shot_draw redrawn.png
    differ fit.png redrawn.png && fail "a redraw changed the fitted picture (names?)"
    # A zoom mode ends when another command runs: clicks after Fit or Redraw
    # no longer zoom.
    for other in Fit Redraw; do
      menu View ZoomOut
      wait_count "ZOOM OUT start" 1
      menu View "$other"
      sleep 0.5
      click_draw 300 200
      click_draw 360 240
      sleep 0.5
      shot_draw "after_$other.png"
      differ fit.png "after_$other.png" && fail "ZoomOut survived $other"
    done
    ;;
  plot)
    start_corvid
    load_example
    menu "Active Layer"
    menu "layer CMF"
    menu Yield AnalyseShorts
    wait_message "missing materials done"
    menu Yield Failure
    sleep 1
    popup=$(timeout 10 xdotool search --sync --onlyvisible --name "^POPUPDRAW$" | head -1)
    [ -n "$popup" ] || fail "no plot window"
    import -window "$popup" plot.png
    read -r _ _ pw ph <<<"$(convert plot.png -format "0 0 %w %h" info:)"
    [ "$(count_colour plot.png '#FFFFFF')" -gt 50 ] || fail "no failure density drawn"
    # Axes, ticks and titles (black) fill most of the window and keep clear of
    # its edges: the whole plot is on the screen, not a corner of it.
    read -r ax ay aw ah <<<"$(convert plot.png -alpha off -fill white +opaque black -trim -format "%X %Y %w %h" info: | tr -d +)"
    [ $((aw * 10)) -ge $((pw * 7)) ] && [ $((ah * 10)) -ge $((ph * 7)) ] || fail "plot of $aw x $ah in $pw x $ph"
    [ "$ax" -gt 0 ] && [ "$ay" -gt 5 ] && [ $((ax + aw)) -lt "$pw" ] && [ $((ay + ah)) -lt "$ph" ] ||
      fail "plot cut at the window's edge ($ax $ay $aw $ah in $pw x $ph)"
    ;;
  *)
    fail "unknown scenario $SCENARIO"
    ;;
esac
echo "PASS: $SCENARIO"
