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
  showMessage: function (title, message, close, className) {
    var before = document.activeElement;
    var box = document.createElement('dialog');
    box.className = 'q-message' + (className ? ' ' + className : '');
    box.setAttribute('role', 'alertdialog');
    box.setAttribute('aria-modal', 'true');
    var heading = document.createElement('h2'), text = document.createElement('p');
    var ok = document.createElement('button');
    heading.id = 'q-message-title';
    text.id = 'q-message-text';
    heading.textContent = title;
    text.textContent = message;
    ok.textContent = close || 'OK';
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
  // move to another screen). A browser tells of it through a media query on
  // the ratio, or through a resize, which may come before the new ratio is
  // in place: so the ratio is looked at again at the next frame.
  watchRatio: function () {
    var last = devicePixelRatio;
    var changed = function () {
      if (devicePixelRatio !== last) {
        last = devicePixelRatio;
        Module._quorvel_ratio_changed();
      }
    };
    var watch = function () {
      matchMedia('(resolution: ' + devicePixelRatio + 'dppx)').addEventListener(
          'change', function () { changed(); watch(); }, {once: true});
    };
    watch();
    window.addEventListener('resize', function () {
      changed();
      requestAnimationFrame(changed);
    });
  },
};

Module.postRun = [function () { Quorvel.readyAt = performance.now(); }];

// The tools to read the curves: the note by the pointer, the ring on the point
// being read, the context menu, the keys, the clipboard and the sound. The
// program decides what they say; these only show, copy and play.
Quorvel.tools = {
  Tool: {ReadValues: 0, Listen: 1, CopyValues: 2, CopyPicture: 3, Help: 4},
  readingKeys: {ArrowLeft: 0, ArrowRight: 1, PageUp: 2, PageDown: 3, Home: 4, End: 5,
                ArrowUp: 6, ArrowDown: 7, Escape: 8, ' ': 9},
  items: [['Read values', 0, 'F6'], ['Listen', 1, 'Space'], ['Copy values', 2, 'Alt+Shift+T'],
          ['Copy picture', 3, 'Alt+Shift+C'], ['Help', 4, 'Alt+Shift+H']],

  start: function () {
    var root = Quorvel.root, tools = Quorvel.tools;
    document.addEventListener('keydown', function (event) {
      if (document.querySelector('dialog[open]'))
        return; // a message or the help has the keys
      var plain = !event.altKey && !event.ctrlKey && !event.metaKey && !event.shiftKey;
      if (plain && event.key in tools.readingKeys &&
          Module._quorvel_reading_key(tools.readingKeys[event.key])) {
        event.preventDefault();
        event.stopPropagation();
        return;
      }
      var tool = event.key === 'F6' && plain ? tools.Tool.ReadValues
               : event.altKey && event.shiftKey && event.code === 'KeyT' ? tools.Tool.CopyValues
               : event.altKey && event.shiftKey && event.code === 'KeyC' ? tools.Tool.CopyPicture
               : event.altKey && event.shiftKey && event.code === 'KeyH' ? tools.Tool.Help
               : -1;
      if (tool >= 0) {
        event.preventDefault();
        Module._quorvel_tool(tool);
      } else if ((event.key === 'F10' && event.shiftKey) || event.key === 'ContextMenu') {
        event.preventDefault();
        var focused = document.activeElement, box = root.getBoundingClientRect();
        var at = focused && root.contains(focused) ? focused.getBoundingClientRect() : box;
        tools.menu(at.left - box.left + 8, at.top - box.top + 8);
      }
    }, true);
    var position = function (event) {
      var box = root.getBoundingClientRect();
      return [event.clientX - box.left, event.clientY - box.top];
    };
    root.addEventListener('mousemove', function (event) {
      var at = position(event);
      Module._quorvel_pointer(at[0], at[1]);
    });
    root.addEventListener('mouseleave', function () { Module._quorvel_pointer_left(); });
    root.addEventListener('contextmenu', function (event) {
      if (event.target.tagName === 'INPUT')
        return; // a box keeps its own menu, to copy its text
      event.preventDefault();
      var at = position(event);
      tools.menu(at[0], at[1]);
    });
  },

  element: function (id, className) {
    var element = document.getElementById(id);
    if (!element) {
      element = document.createElement('div');
      element.id = id;
      element.className = className;
      element.setAttribute('aria-hidden', 'true'); // a screen reader hears the same words
      Quorvel.root.appendChild(element);
    }
    return element;
  },

  showNote: function (x, y, value, settings) {
    var note = Quorvel.tools.element('q-note', 'q-note');
    note.textContent = value + '\n' + settings;
    note.style.display = 'block';
    var left = Math.min(x + 14, Quorvel.root.clientWidth - note.offsetWidth - 2);
    var top = y + 14 + note.offsetHeight > Quorvel.root.clientHeight ? y - 14 - note.offsetHeight
                                                                      : y + 14;
    note.style.left = Math.max(0, left) + 'px';
    note.style.top = Math.max(0, top) + 'px';
  },

  hide: function (id) {
    var element = document.getElementById(id);
    if (element)
      element.style.display = 'none';
  },

  showMarker: function (x, y) {
    var marker = Quorvel.tools.element('q-marker', 'q-marker');
    marker.style.left = (x - 6) + 'px';
    marker.style.top = (y - 6) + 'px';
    marker.style.display = 'block';
  },

  menu: function (x, y) {
    var old = document.getElementById('q-menu');
    if (old)
      old.remove();
    var before = document.activeElement;
    var menu = document.createElement('div');
    menu.id = 'q-menu';
    menu.className = 'q-menu';
    menu.setAttribute('role', 'menu');
    var close = function () {
      menu.remove();
      if (before && before.focus)
        before.focus();
    };
    Quorvel.tools.items.forEach(function (item) {
      var entry = document.createElement('button');
      entry.setAttribute('role', 'menuitem');
      entry.tabIndex = -1;
      entry.innerHTML = '<span></span><span class="q-key"></span>';
      entry.firstChild.textContent = item[0];
      entry.lastChild.textContent = item[2];
      entry.addEventListener('click', function () {
        close();
        Module._quorvel_tool(item[1]);
      });
      menu.appendChild(entry);
    });
    menu.addEventListener('keydown', function (event) {
      var entries = Array.from(menu.children), at = entries.indexOf(document.activeElement);
      if (event.key === 'ArrowDown' || event.key === 'ArrowUp') {
        var step = event.key === 'ArrowDown' ? 1 : entries.length - 1;
        entries[(at + step) % entries.length].focus();
      } else if (event.key === 'Escape' || event.key === 'Tab') {
        close();
      } else {
        return;
      }
      event.preventDefault();
      event.stopPropagation();
    });
    menu.addEventListener('focusout', function (event) {
      if (!menu.contains(event.relatedTarget))
        setTimeout(function () { if (menu.isConnected) menu.remove(); }, 0);
    });
    menu.style.left = Math.min(x, Quorvel.root.clientWidth - 180) + 'px';
    menu.style.top = Math.min(y, Quorvel.root.clientHeight - 130) + 'px';
    Quorvel.root.appendChild(menu);
    menu.firstChild.focus();
  },

  copyText: function (text) {
    if (navigator.clipboard && navigator.clipboard.writeText)
      return navigator.clipboard.writeText(text).catch(function () {});
  },

  // The window drawn into a canvas at the page's pixel ratio, element by
  // element, with the drawing over it and the legend beside it.
  picture: function (legend) {
    var root = Quorvel.root, ratio = window.devicePixelRatio || 1;
    var font = '11px "Quorvel Sans", "Liberation Sans", Arial, sans-serif';
    var scratch = document.createElement('canvas').getContext('2d');
    scratch.font = font;
    var legendWidth = legend.reduce(function (w, line) {
      return Math.max(w, scratch.measureText(line).width);
    }, 0);
    var width = root.clientWidth + (legend.length ? Math.ceil(legendWidth) + 32 : 0);
    var height = Math.max(root.clientHeight, legend.length * 15 + 32);
    var canvas = document.createElement('canvas');
    canvas.width = Math.ceil(width * ratio);
    canvas.height = Math.ceil(height * ratio);
    var c = canvas.getContext('2d');
    c.scale(ratio, ratio);
    c.fillStyle = getComputedStyle(root).backgroundColor;
    c.fillRect(0, 0, width, height);
    var elements = Array.from(root.children).filter(function (e) {
      return e.dataset.id !== undefined;
    }).sort(function (a, b) { return Number(a.style.zIndex) - Number(b.style.zIndex); });
    var box = root.getBoundingClientRect();
    elements.forEach(function (e) {
      var r = e.getBoundingClientRect(), x = r.left - box.left, y = r.top - box.top;
      var style = getComputedStyle(e);
      if (e.tagName === 'CANVAS') {
        c.drawImage(e, x, y, r.width, r.height);
        return;
      }
      if (style.backgroundColor !== 'rgba(0, 0, 0, 0)') {
        c.fillStyle = style.backgroundColor;
        c.fillRect(x, y, r.width, r.height);
      }
      if (e.classList.contains('q-frame') || e.tagName === 'INPUT' || e.tagName === 'BUTTON') {
        c.strokeStyle = style.borderTopColor;
        c.strokeRect(x + 0.5, y + 0.5, r.width - 1, r.height - 1);
      }
      if (e.classList.contains('q-bar'))
        Array.from(e.children).forEach(function (part) {
          var p = part.getBoundingClientRect();
          c.fillStyle = '#f0f0f0';
          c.fillRect(p.left - box.left, p.top - box.top, p.width, p.height);
          c.strokeStyle = '#404040';
          c.strokeRect(p.left - box.left + 0.5, p.top - box.top + 0.5, p.width - 1, p.height - 1);
        });
      var text = e.tagName === 'INPUT' ? e.value : e.classList.contains('q-bar') ? '' : e.textContent;
      if (text) {
        c.font = style.font;
        c.fillStyle = '#000';
        c.textBaseline = 'top';
        c.textAlign = e.tagName === 'BUTTON' ? 'center' : 'left';
        var tx = e.tagName === 'BUTTON' ? x + r.width / 2 : x + (e.tagName === 'INPUT' ? 4 : 0);
        var ty = e.tagName === 'BUTTON' ? y + (r.height - parseFloat(style.fontSize)) / 2
               : y + (e.tagName === 'INPUT' ? 3 : 0);
        c.fillText(text, tx, ty);
        c.textAlign = 'left';
      }
    });
    c.font = font;
    c.fillStyle = '#000';
    c.textBaseline = 'top';
    legend.forEach(function (line, i) { c.fillText(line, root.clientWidth + 16, 16 + 15 * i); });
    return canvas;
  },

  copyPicture: function (legend) {
    var canvas = Quorvel.tools.picture(legend);
    Quorvel.tools.lastPicture = canvas; // for tests, which cannot read the clipboard
    if (!navigator.clipboard || !window.ClipboardItem)
      return;
    canvas.toBlob(function (blob) {
      navigator.clipboard.write([new ClipboardItem({'image/png': blob})]).catch(function () {});
    }, 'image/png');
  },

  play: function (pointer, length) {
    try {
      var bytes = HEAPU8.slice(pointer, pointer + length);
      var Context = window.AudioContext || window.webkitAudioContext;
      if (!Context)
        return;
      var context = Quorvel.tools.audio || (Quorvel.tools.audio = new Context());
      context.decodeAudioData(bytes.buffer).then(function (sound) {
        var source = context.createBufferSource();
        source.buffer = sound;
        source.connect(context.destination);
        source.start();
      }).catch(function () {});
    } catch (e) {
      // no sound device: nothing plays
    }
  },

  showHelp: function (title, text) {
    Quorvel.showMessage(title, text, 'Close', 'q-help');
  },
};
