# Glisterwood 99: the two commands a newcomer needs are `make run` and `make test`.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)

# Debian 12 packages needed to build, run and test the program.
PACKAGES := cmake g++ make pkg-config \
	qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite libsqlite3-dev qt6-webengine-dev libqt6webenginecore6-bin \
	qt6-svg-dev qt6-multimedia-dev libespeak-ng-dev espeak-ng-data python3 \
	libgl-dev libxcb1-dev fonts-dejavu-core xvfb xauth xdotool pulseaudio pulseaudio-utils sox \
	libfluidsynth-dev fluid-soundfont-gm fluidsynth libasound2-dev libpulse-dev libpocketsphinx-dev pocketsphinx-en-us

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps build run test clean install

all: build

deps:
	@missing=$$(for p in $(PACKAGES); do \
		dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
		echo "Installing:" $$missing; \
		$(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get update -q && \
		$(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $$missing; \
	fi

build: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	./$(BUILD_DIR)/glisterwood99

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j 1

install: build
	cmake --install $(BUILD_DIR)

clean:
	rm -rf $(BUILD_DIR)
