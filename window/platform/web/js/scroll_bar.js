// The classic scroll bar, drawn by the page and run by the program: this
// tells it where along the bar a button, a finger or a pen went down, where
// it went during a drag and which keys came, and keeps the time of a held
// press; the program decides what each does and where the thumb goes. Pointer
// events serve the mouse, touch and pens alike.
Quorvel.scrollBar = {
  wire: function (id, bar) {
    var c = QuorvelConstants;
    var horizontal = bar.classList.contains('q-h');
    var timer = null, dragging = false, offset = 0;
    var stop = function () {
      clearTimeout(timer);
      timer = null;
    };
    var along = function (event) {
      return Quorvel.at(event, bar)[horizontal ? 0 : 1];
    };
    bar.addEventListener('pointerdown', function (event) {
      if (event.button !== 0)
        return;
      event.preventDefault();
      bar.focus();
      stop();
      // A finger's hit area reaches past an arrow or the thumb: the press
      // counts where it is on the part it hit.
      var at = along(event), part = event.target;
      offset = 0;
      if (part !== bar) {
        var start = horizontal ? part.offsetLeft : part.offsetTop;
        var size = horizontal ? part.offsetWidth : part.offsetHeight;
        offset = Math.min(Math.max(at, start), start + size - 1) - at;
      }
      var answer = Module._quorvel_bar_press(id, at + offset);
      if (answer === c.press.Repeat) {
        var again = function () {
          if (Module._quorvel_bar_repeat(id))
            timer = setTimeout(again, c.repeat.interval);
        };
        timer = setTimeout(again, c.repeat.pause);
      } else if (answer === c.press.Drag) {
        dragging = true;
        bar.setPointerCapture(event.pointerId);
      }
    });
    bar.addEventListener('pointermove', function (event) {
      if (dragging)
        Module._quorvel_bar_drag(id, along(event) + offset);
    });
    var end = function () {
      stop();
      if (dragging) {
        dragging = false;
        Module._quorvel_bar_release(id);
      }
    };
    document.addEventListener('pointerup', end);
    document.addEventListener('pointercancel', end);
    bar.addEventListener('lostpointercapture', end);
    bar.addEventListener('pointerleave', stop);
    bar.addEventListener('keydown', function (event) {
      var press = Quorvel.tools.press(event);
      if (Module._quorvel_bar_key(id, press[0], press[1], press[2]))
        event.preventDefault();
    });
  },

  // The thumb `at` pixels from the bar's start end.
  show: function (bar, at) {
    bar.querySelector('.q-thumb').style[bar.classList.contains('q-h') ? 'left' : 'top'] = at + 'px';
  },
};
