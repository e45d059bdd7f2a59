// The classic scroll bar, drawn by the page and run by the program: this
// tells it where along the bar a button went down, where the pointer went
// during a drag and which keys came, and keeps the time of a held button;
// the program decides what each does and where the thumb goes.
Quorvel.scrollBar = {
  wire: function (id, bar) {
    var c = QuorvelConstants;
    var horizontal = bar.classList.contains('q-h');
    var timer = null;
    var stop = function () {
      clearTimeout(timer);
      timer = null;
    };
    var along = function (event) {
      var box = bar.getBoundingClientRect();
      return horizontal ? event.clientX - box.left : event.clientY - box.top;
    };
    bar.addEventListener('mousedown', function (event) {
      if (event.button !== 0)
        return;
      event.preventDefault();
      bar.focus();
      stop();
      var answer = Module._quorvel_bar_press(id, along(event));
      if (answer === c.press.Repeat) {
        var again = function () {
          if (Module._quorvel_bar_repeat(id))
            timer = setTimeout(again, c.repeat.interval);
        };
        timer = setTimeout(again, c.repeat.pause);
      } else if (answer === c.press.Drag) {
        var move = function (e) { Module._quorvel_bar_drag(id, along(e)); };
        var up = function () {
          document.removeEventListener('mousemove', move);
          document.removeEventListener('mouseup', up);
          Module._quorvel_bar_release(id);
        };
        document.addEventListener('mousemove', move);
        document.addEventListener('mouseup', up);
      }
    });
    document.addEventListener('mouseup', stop);
    bar.addEventListener('mouseleave', stop);
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
