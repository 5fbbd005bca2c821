// What a list that refuses repeats does with one: ignore it, accept it, or raise EListError.
#pragma once

enum TDuplicates { dupIgnore, dupAccept, dupError };
