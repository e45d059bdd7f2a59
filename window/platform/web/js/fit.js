// The window's fit to the viewport: the page tells the program the viewport's
// size whenever it may have changed (a turn of the device, a resize, another
// pointer) and shows the window at the scale the program chooses.
Quorvel.fit = {
  scale: 1,

  start: function () {
    var coarse = matchMedia('(pointer: coarse)');
    var tell = function () {
      var html = document.documentElement;
      Module._quorvel_fit(html.clientWidth, html.clientHeight, coarse.matches ? 1 : 0);
    };
    addEventListener('resize', tell);
    addEventListener('orientationchange', tell);
    coarse.addEventListener('change', tell);
    tell();
  },

  show: function (scale, left, top, turnHint) {
    var root = Quorvel.root, box = root.parentNode;
    Quorvel.fit.scale = scale;
    document.getElementById('q-turn').hidden = !turnHint;
    root.style.transform = scale === 1 ? '' : 'scale(' + scale + ')';
    root.style.setProperty('--q-scale', scale);
    box.style.width = root.offsetWidth * scale + 'px';
    box.style.height = root.offsetHeight * scale + 'px';
    box.style.marginLeft = left + 'px';
    box.style.marginTop = top + 'px';
  },
};

// Where a pointer event is, in the window's layout pixels from the top left
// of element (the window itself by default).
Quorvel.at = function (event, element) {
  var box = (element || Quorvel.root).getBoundingClientRect(), scale = Quorvel.fit.scale;
  return [(event.clientX - box.left) / scale, (event.clientY - box.top) / scale];
};
