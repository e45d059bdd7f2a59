// The browser side of the window: plain DOM for the controls, the classic
// scroll bar, the message box and the drawing's canvas. The C++ side calls
// these through the EM_JS glue in dom.cpp and hears of events through
// Module._quorvel_event; nothing here knows what a control does.
var Quorvel = {
  elements: [],
  root: null,
  readyAt: 0, // performance.now() when the window could first take a click

  text: function (pointer, length) {
    var units = HEAPU16.subarray(pointer >> 1, (pointer >> 1) + length);
    var text = '';
    for (var i = 0; i < units.length; i += 4096)
      text += String.fromCharCode.apply(null, units.subarray(i, i + 4096));
    return text;
  },

  send: function (id, kind, argument) {
    Module._quorvel_event(id, kind, argument || 0);
  },

  // Takes over the window the page was built with (or builds it, where the
  // page came without it): each element by its data-id.
  start: function (markup) {
    var root = document.getElementById('quorvel');
    if (!root || !root.firstChild) {
      if (root)
        root.remove();
      document.body.insertAdjacentHTML('afterbegin', markup);
      root = document.getElementById('quorvel');
    }
    Quorvel.root = root;
    root.querySelectorAll('[data-id]').forEach(function (element) {
      var id = Number(element.dataset.id);
      Quorvel.elements[id] = element;
      if (element.tagName === 'BUTTON')
        element.addEventListener('click', function () { Quorvel.send(id, 0); });
      else if (element.getAttribute('role') === 'scrollbar')
        Quorvel.wireBar(id, element);
    });
  },

  // Events a bar sends: steps towards either end, a page, an end, and the
  // end of a thumb drag (with the position it ended at).
  bar: {LineToStart: 1, LineToEnd: 2, PageToStart: 3, PageToEnd: 4, ToStart: 5, ToEnd: 6,
        DragEnded: 7},

  // The classic bar: two arrow buttons, a track and a square thumb. Holding an
  // arrow or the track repeats; a drag moves the thumb and changes the value
  // only when it ends.
  wireBar: function (id, bar) {
    var b = Quorvel.bar;
    var horizontal = bar.classList.contains('q-h');
    var thumb = bar.querySelector('.q-thumb');
    var start = bar.querySelector('.q-start'), end = bar.querySelector('.q-end');
    var track = Number(bar.dataset.track), thumbSize = Number(bar.dataset.thumb);
    bar.quorvel = {fraction: 0, track: track, arrow: Number(bar.dataset.arrow), thumb: thumb,
                   along: horizontal ? 'left' : 'top', thumbSize: thumbSize,
                   horizontal: horizontal};

    var timer = null;
    var stop = function () {
      clearTimeout(timer);
      timer = null;
    };
    // Runs step now and, while the button is held, again after a pause and
    // then every 50 ms, as long as more() says so.
    var hold = function (step, more) {
      stop();
      step();
      var again = function () {
        if (!more || more()) {
          step();
          timer = setTimeout(again, 50);
        }
      };
      timer = setTimeout(again, 400);
    };
    var pointerAt = function (event) {
      var box = bar.getBoundingClientRect();
      return horizontal ? event.clientX - box.left : event.clientY - box.top;
    };
    var thumbAt = function () {
      var q = bar.quorvel;
      return q.arrow + q.fraction * (q.track - q.thumbSize);
    };
    start.addEventListener('mousedown', function (event) {
      event.preventDefault();
      bar.focus();
      hold(function () { Quorvel.send(id, b.LineToStart); });
    });
    end.addEventListener('mousedown', function (event) {
      event.preventDefault();
      bar.focus();
      hold(function () { Quorvel.send(id, b.LineToEnd); });
    });
    bar.addEventListener('mousedown', function (event) {
      if (event.target !== bar || event.button !== 0)
        return;
      event.preventDefault();
      bar.focus();
      var at = pointerAt(event);
      var towardStart = at < thumbAt();
      hold(function () { Quorvel.send(id, towardStart ? b.PageToStart : b.PageToEnd); },
           function () {
             var thumbStart = thumbAt();
             return towardStart ? at < thumbStart : at >= thumbStart + bar.quorvel.thumbSize;
           });
    });
    thumb.addEventListener('mousedown', function (event) {
      if (event.button !== 0)
        return;
      event.preventDefault();
      event.stopPropagation();
      bar.focus();
      var q = bar.quorvel, grabbed = pointerAt(event) - thumbAt();
      var free = Math.max(1, q.track - q.thumbSize);
      var move = function (e) {
        var offset = Math.min(Math.max(pointerAt(e) - grabbed - q.arrow, 0), free);
        q.thumb.style[q.along] = (q.arrow + offset) + 'px';
        q.dragged = offset / free;
      };
      var up = function () {
        document.removeEventListener('mousemove', move);
        document.removeEventListener('mouseup', up);
        if (q.dragged !== undefined)
          Quorvel.send(id, b.DragEnded, Math.round(q.dragged * 1e6));
        q.dragged = undefined;
        Quorvel.showBar(bar);
      };
      document.addEventListener('mousemove', move);
      document.addEventListener('mouseup', up);
    });
    document.addEventListener('mouseup', stop);
    bar.addEventListener('mouseleave', stop);
    bar.addEventListener('keydown', function (event) {
      var keys = {ArrowLeft: b.LineToStart, ArrowUp: b.LineToStart, ArrowRight: b.LineToEnd,
                  ArrowDown: b.LineToEnd, PageUp: b.PageToStart, PageDown: b.PageToEnd,
                  Home: b.ToStart, End: b.ToEnd};
      if (keys[event.key] && !event.altKey && !event.ctrlKey && !event.metaKey) {
        event.preventDefault();
        Quorvel.send(id, keys[event.key]);
      }
    });
  },

  showBar: function (bar) {
    var q = bar.quorvel;
    q.thumb.style[q.along] = (q.arrow + q.fraction * Math.max(0, q.track - q.thumbSize)) + 'px';
  },

  // A modal message box in the page: focus on OK, Return and Escape close it,
  // and focus goes back to the control that had it.
  showMessage: function (title, message) {
    var before = document.activeElement;
    var box = document.createElement('dialog');
    box.className = 'q-message';
    box.setAttribute('role', 'alertdialog');
    box.setAttribute('aria-modal', 'true');
    var heading = document.createElement('h2'), text = document.createElement('p');
    var ok = document.createElement('button');
    heading.id = 'q-message-title';
    text.id = 'q-message-text';
    heading.textContent = title;
    text.textContent = message;
    ok.textContent = 'OK';
    box.setAttribute('aria-labelledby', heading.id);
    box.setAttribute('aria-describedby', text.id);
    box.appendChild(heading);
    box.appendChild(text);
    box.appendChild(ok);
    document.body.appendChild(box);
    var close = function () {
      if (box.open)
        box.close();
      box.remove();
      if (before && before.focus)
        before.focus();
    };
    ok.addEventListener('click', close);
    box.addEventListener('cancel', function (event) {
      event.preventDefault();
      close();
    });
    box.addEventListener('keydown', function (event) {
      if (event.key === 'Enter' || event.key === 'Escape') {
        event.preventDefault();
        close();
      }
    });
    box.showModal();
    ok.focus();
  },

  // The drawing's raster, 0xAARRGGBB a pixel in wasm memory, copied into the
  // canvas for the rectangle that changed.
  paint: function (canvas, pixels, width, x, y, w, h) {
    var context = canvas.getContext('2d');
    if (!pixels) {
      context.clearRect(x, y, w, h);
      return;
    }
    var image = context.createImageData(w, h), data = image.data;
    var from = HEAPU32;
    for (var row = 0; row < h; ++row) {
      var source = (pixels >> 2) + (y + row) * width + x, target = row * w * 4;
      for (var column = 0; column < w; ++column, target += 4) {
        var argb = from[source + column], alpha = argb >>> 24;
        // Premultiplied in, straight out; what is drawn is opaque.
        data[target] = alpha ? Math.round(((argb >>> 16) & 255) * 255 / alpha) : 0;
        data[target + 1] = alpha ? Math.round(((argb >>> 8) & 255) * 255 / alpha) : 0;
        data[target + 2] = alpha ? Math.round((argb & 255) * 255 / alpha) : 0;
        data[target + 3] = alpha;
      }
    }
    context.putImageData(image, x, y);
  },

  // Calls back whenever the page's pixel ratio changes (browser zoom, or a
  // move to another screen).
  watchRatio: function () {
    var query = matchMedia('(resolution: ' + devicePixelRatio + 'dppx)');
    query.addEventListener('change', function listener() {
      query.removeEventListener('change', listener);
      Module._quorvel_ratio_changed();
      Quorvel.watchRatio();
    }, {once: true});
  },
};

Module.postRun = [function () { Quorvel.readyAt = performance.now(); }];
