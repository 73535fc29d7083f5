// A few snowflakes drifting down the page and the light string's glow twinkling: a handful of small
// elements moved a few times a second, so the page stays festive for almost no work. Everything
// rests while the page is hidden, after a while without the user, and for users who ask for less
// motion.
(function () {
    "use strict";

    var FLAKES = 16;
    var STEP_MS = 150;          // between six and seven steps a second
    var REST_AFTER_MS = 4500;   // a few seconds after the page shows or the user last moved
    var TWINKLE_STEPS = 5;      // the glow changes every three quarters of a second

    var lessMotion = window.matchMedia ? window.matchMedia("(prefers-reduced-motion: reduce)") : null;
    var layer = document.createElement("div");
    layer.className = "snow";
    layer.setAttribute("aria-hidden", "true");
    document.body.insertBefore(layer, document.body.firstChild);
    var lights = document.querySelector(".lights");

    var flakes = [];
    var width = 0, height = 0;

    function measure() {
        width = document.documentElement.clientWidth;
        height = document.documentElement.clientHeight;
    }

    function fresh(flake, anywhere) {
        flake.x = Math.random() * width;
        flake.y = anywhere ? Math.random() * height : -10 - Math.random() * 40;
        flake.fall = 1.2 + Math.random() * 2.2;
        flake.sway = 0.4 + Math.random() * 1.1;
        flake.phase = Math.random() * 6.28;
    }

    function show(flake) {
        flake.el.style.transform = "translate(" + flake.x.toFixed(1) + "px," + flake.y.toFixed(1) + "px)";
    }

    measure();
    for (var i = 0; i < FLAKES; i++) {
        var flake = { el: document.createElement("span") };
        flake.el.className = i % 3 === 0 ? "big" : (i % 3 === 1 ? "" : "small");
        fresh(flake, true);
        show(flake);
        layer.appendChild(flake.el);
        flakes.push(flake);
    }

    var lastActivity = Date.now();
    var timer = 0;
    var steps = 0;
    var glow = ["glow-low", "glow-mid", "glow-high", "glow-mid"];

    function moving() {
        return !document.hidden && !(lessMotion && lessMotion.matches) &&
            Date.now() - lastActivity < REST_AFTER_MS;
    }

    function step() {
        timer = 0;
        if (!moving()) return;
        for (var i = 0; i < flakes.length; i++) {
            var f = flakes[i];
            f.phase += 0.15;
            f.y += f.fall;
            f.x += Math.sin(f.phase) * f.sway;
            if (f.y > height + 10 || f.x < -20 || f.x > width + 20) fresh(f, false);
            show(f);
        }
        if (lights && ++steps % TWINKLE_STEPS === 0) {
            lights.classList.remove(glow[(steps / TWINKLE_STEPS - 1) % glow.length]);
            lights.classList.add(glow[(steps / TWINKLE_STEPS) % glow.length]);
        }
        timer = window.setTimeout(step, STEP_MS);
    }

    function wake() {
        lastActivity = Date.now();
        if (!timer && moving()) timer = window.setTimeout(step, STEP_MS);
    }

    ["mousemove", "keydown", "scroll", "wheel", "touchstart", "focus"].forEach(function (name) {
        window.addEventListener(name, wake, { passive: true });
    });
    document.addEventListener("visibilitychange", wake);
    window.addEventListener("resize", function () { measure(); wake(); });
    if (lessMotion && lessMotion.addEventListener) lessMotion.addEventListener("change", wake);
    if (lights) lights.classList.add(glow[0]);
    wake();
}());
