# The two commands of README.md: `make run` and `make test`.
BUILD_DIR ?= build
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZORVAN_WERROR=ON

.PHONY: deps configure build run test bench format clean

deps:
	./scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD_DIR)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "No display found: the desktop program needs a graphical session."; \
	  echo "Use the terminal front end instead, for example:"; \
	  echo "  $(BUILD_DIR)/bin/zorvan-cli --help"; \
	  echo "  $(BUILD_DIR)/bin/zorvan-cli sql Zorvan.dll 'select top 5 zi,bh from word'"; \
	  exit 1; \
	fi
	$(BUILD_DIR)/bin/zorvan

test: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j2

format:
	find src tests tools bench -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR)
